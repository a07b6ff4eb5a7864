#include "Chapter.h"

#include "TimeText.h"

QString Chapter::formattedStartTime() const
{
    return TimeText::formatTime(startTime);
}

QString Chapter::formattedLength() const
{
    return TimeText::formatTime(endTime - startTime);
}

size_t qHash(const Chapter &chapter, size_t seed) noexcept
{
    // qHash(double) already maps -0.0 and 0.0 to the same value.
    return qHashMulti(seed, chapter.id, chapter.title, chapter.startTime, chapter.endTime,
                      chapter.index);
}
