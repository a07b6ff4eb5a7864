#pragma once

#include "Chapter.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <optional>

// One playable entry: a local audio or video file, or a file fetched by streaming.
// A plain value; equality and hashing go by `id` alone.
struct MediaItem
{
    QUuid id = QUuid::createUuid();
    QUrl url;
    QString title;
    QString artist;
    QString album;
    double duration = 0; // seconds; may be infinite, never NaN when read from a file
    // The embedded cover picture as the encoded bytes found in the file. Implicitly
    // shared: every item of a book whose files carry the same picture points at one
    // buffer. Decoded only for display.
    QByteArray artwork;
    QList<Chapter> chapters;
    bool isVideo = false;
    qint64 fileSize = 0;
    qint64 sortIndex = 0; // 1-based position within its import batch; 0 otherwise
    std::optional<QString> youtubeURL;
    bool isStreaming = false;

    // The extensions whose files are video items (compared lower-cased).
    static const QStringList &videoKindExtensions();
    static bool isVideoExtension(const QString &fileName);

    // The file name without its last extension.
    static QString titleFromURL(const QUrl &url);

    bool hasArtwork() const { return !artwork.isEmpty(); }
    QString formattedDuration() const;

    friend bool operator==(const MediaItem &a, const MediaItem &b) { return a.id == b.id; }
};

inline size_t qHash(const MediaItem &item, size_t seed = 0) noexcept
{
    return qHash(item.id, seed);
}

Q_DECLARE_METATYPE(MediaItem)
