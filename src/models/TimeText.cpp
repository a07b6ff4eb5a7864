#include "TimeText.h"

#include <cmath>

namespace TimeText {

qint64 wholeSeconds(double seconds)
{
    // 2^62 keeps the conversion defined and leaves headroom for the arithmetic below.
    constexpr double limit = 4611686018427387904.0;
    if (!std::isfinite(seconds) || seconds <= 0 || seconds >= limit)
        return 0;
    return static_cast<qint64>(seconds); // truncates toward zero
}

QString formatTime(double seconds)
{
    const qint64 total = wholeSeconds(seconds);
    const qint64 hours = total / 3600;
    const qint64 minutes = (total % 3600) / 60;
    const qint64 secs = total % 60;
    if (total < 3600)
        return QString::asprintf("%lld:%02lld", minutes, secs);
    return QString::asprintf("%lld:%02lld:%02lld", hours, minutes, secs);
}

QString formatTotal(double seconds)
{
    const qint64 total = wholeSeconds(seconds);
    const qint64 hours = total / 3600;
    const qint64 minutes = (total % 3600) / 60;
    if (total < 3600)
        return QString::asprintf("%lldm", minutes);
    return QString::asprintf("%lldh %lldm", hours, minutes);
}

} // namespace TimeText
