#pragma once

// The one way tests make media records: an item titled `title` at /media/<title>.mp3,
// with only the fields a test cares about set.
#include "models/Chapter.h"
#include "models/MediaItem.h"

#include <QList>
#include <QStringList>
#include <QUrl>

namespace TestItems {

inline MediaItem makeItem(const QString &title, qint64 sortIndex = 0,
                          const QString &album = QString(), QList<Chapter> chapters = {})
{
    MediaItem made;
    made.title = title;
    made.url = QUrl::fromLocalFile(QStringLiteral("/media/") + title + QStringLiteral(".mp3"));
    made.sortIndex = sortIndex;
    made.album = album;
    made.chapters = std::move(chapters);
    return made;
}

// Items titled A, B, C, ...
inline QList<MediaItem> makeItems(int count)
{
    QList<MediaItem> made;
    for (int i = 0; i < count; ++i)
        made.append(makeItem(QString(QChar(u'A' + i))));
    return made;
}

// The titles of items or chapters, in order.
template <typename List>
QStringList titlesOf(const List &list)
{
    QStringList out;
    for (const auto &entry : list)
        out.append(entry.title);
    return out;
}

} // namespace TestItems
