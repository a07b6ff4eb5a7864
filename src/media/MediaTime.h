#pragma once

#include <QtGlobal>

// A rational time: `value` units of 1/`timescale` second. Positions handed to the
// player are made at 600 units per second, which is exact for the frame rates of
// common video (24, 25, 30, 50, 60 fps) and for whole milliseconds times 0.6.
struct MediaTime
{
    static constexpr qint32 defaultTimescale = 600;

    qint64 value = 0;
    qint32 timescale = defaultTimescale;

    // Rounds `seconds` to the nearest unit. Values that have no time (NaN) become 0;
    // values beyond what the 64-bit count can hold saturate instead of overflowing.
    static MediaTime fromSeconds(double seconds, qint32 timescale = defaultTimescale);
    double seconds() const;

    friend bool operator==(const MediaTime &, const MediaTime &) = default;
};
