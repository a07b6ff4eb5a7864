#pragma once

#include "MediaItem.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

// A named, ordered list of copies of library items. A folder of chapter files
// imported together becomes a playlist with `isAudiobook` set.
struct Playlist
{
    QUuid id = QUuid::createUuid();
    QString name;
    QList<MediaItem> items;
    QDateTime createdAt = QDateTime::currentDateTime();
    bool isAudiobook = false;

    // Total playing time of all items: "Nm" or "Nh Mm".
    QString formattedTotalDuration() const;

    friend bool operator==(const Playlist &a, const Playlist &b) { return a.id == b.id; }
};

inline size_t qHash(const Playlist &playlist, size_t seed = 0) noexcept
{
    return qHash(playlist.id, seed);
}

Q_DECLARE_METATYPE(Playlist)
