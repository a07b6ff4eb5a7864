#include "MediaTime.h"

#include <cmath>
#include <limits>

MediaTime MediaTime::fromSeconds(double seconds, qint32 timescale)
{
    if (timescale <= 0)
        timescale = defaultTimescale;
    if (std::isnan(seconds))
        return {0, timescale};
    const double units = std::round(seconds * timescale);
    // 2^62: inside the range a double converts to qint64 without undefined behaviour.
    constexpr double limit = 4611686018427387904.0;
    if (units >= limit)
        return {qint64(limit), timescale};
    if (units <= -limit)
        return {-qint64(limit), timescale};
    return {qint64(units), timescale};
}

double MediaTime::seconds() const
{
    return timescale > 0 ? double(value) / timescale : 0.0;
}
