#include "ViewText.h"

#include "models/TimeText.h"
#include "util/RTLSupport.h"

using namespace Qt::StringLiterals;

bool ViewText::isRTL(const QString &text)
{
    return RTLSupport::isRTL(text);
}

QString ViewText::formatTime(double seconds)
{
    return TimeText::formatTime(seconds);
}

QString ViewText::speedLabel(float rate)
{
    return QString::asprintf("%.2g", double(rate)) + u"x"_s;
}
