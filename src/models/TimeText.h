#pragma once

#include <QString>

namespace TimeText {

// A time in seconds as "m:ss" below an hour and "h:mm:ss" from an hour on,
// truncated toward zero to whole seconds. Values that cannot be shown as a
// time (NaN, infinities, negatives, or beyond what fits a 64-bit count of
// seconds) read as "0:00".
QString formatTime(double seconds);

// A total as "Nm" below an hour and "Nh Mm" from an hour on, seconds dropped.
// Values that cannot be shown read as "0m".
QString formatTotal(double seconds);

// Whole seconds for display, or 0 for a value that has none (see above).
qint64 wholeSeconds(double seconds);

} // namespace TimeText
