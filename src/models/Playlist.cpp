#include "Playlist.h"

#include "TimeText.h"

QString Playlist::formattedTotalDuration() const
{
    double total = 0;
    for (const MediaItem &item : items)
        total += item.duration;
    return TimeText::formatTotal(total);
}
