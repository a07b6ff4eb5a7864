#include "ViewText.h"

#include "models/TimeText.h"
#include "util/RTLSupport.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <cstdio>


bool ViewText::isRTL(const QString &text)
{
    return RTLSupport::isRTL(text);
}

QString ViewText::isolated(const QString &text)
{
    return RTLSupport::isolated(text);
}

QString ViewText::formatTime(double seconds)
{
    return TimeText::formatTime(seconds);
}

QString ViewText::number(int value)
{
    return QLocale().toString(value);
}

QString ViewText::speedLabel(float rate)
{
    // The C library's printf rounds the exact binary value half to even (1.25 gives
    // "1.2"); QString::asprintf has its own rounding and gives "1.3".
    char text[32];
    std::snprintf(text, sizeof text, "%.2g", double(rate));
    //: A playback speed, such as "1.5x".
    return QCoreApplication::translate("ViewText", "%1x").arg(QString::fromLatin1(text));
}

double ViewText::clockProgress(double currentTime, double duration)
{
    if (!(duration > 0) || !std::isfinite(duration) || !std::isfinite(currentTime))
        return 0;
    return std::floor(currentTime) / duration;
}

QString ViewText::localPath(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toDisplayString();
}
