#include "LibraryJson.h"

#include "core/LibraryManager.h"

#include <QJsonArray>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString urlText(const QUrl &url)
{
    return url.toString(QUrl::FullyEncoded);
}

// JSON has no infinities or NaN: an unbounded time is written as null.
QJsonValue seconds(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject chapterToJson(const Chapter &chapter)
{
    return {{u"title"_s, chapter.title},
            {u"startTime"_s, seconds(chapter.startTime)},
            {u"endTime"_s, seconds(chapter.endTime)},
            {u"index"_s, chapter.index}};
}

QJsonObject itemToJson(const MediaItem &item)
{
    QJsonArray chapters;
    for (const Chapter &chapter : item.chapters)
        chapters.append(chapterToJson(chapter));
    return {{u"url"_s, urlText(item.url)},
            {u"title"_s, item.title},
            {u"artist"_s, item.artist},
            {u"album"_s, item.album},
            {u"duration"_s, seconds(item.duration)},
            {u"isVideo"_s, item.isVideo},
            {u"fileSize"_s, item.fileSize},
            {u"sortIndex"_s, item.sortIndex},
            {u"hasArtwork"_s, item.hasArtwork()},
            {u"chapters"_s, chapters}};
}

} // namespace

QJsonObject libraryToJson(const LibraryManager &library)
{
    QJsonArray items;
    for (const MediaItem &item : library.allItems())
        items.append(itemToJson(item));
    QJsonArray playlists;
    for (const Playlist &playlist : library.playlists()) {
        QJsonArray urls;
        for (const MediaItem &item : playlist.items)
            urls.append(urlText(item.url));
        playlists.append(QJsonObject{{u"name"_s, playlist.name},
                                     {u"isAudiobook"_s, playlist.isAudiobook},
                                     {u"items"_s, urls}});
    }
    return {{u"items"_s, items}, {u"playlists"_s, playlists}};
}
