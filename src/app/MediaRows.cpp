#include "MediaRows.h"

#include "ArtworkCache.h"
#include "util/RTLSupport.h"

QHash<int, QByteArray> MediaRows::roleNames()
{
    return {{TitleRole, "title"},
            {ArtistRole, "artist"},
            {AlbumRole, "album"},
            {FormattedDurationRole, "formattedDuration"},
            {IsVideoRole, "isVideo"},
            {ArtworkSourceRole, "artworkSource"},
            {TitleIsRTLRole, "titleIsRTL"},
            {ArtistIsRTLRole, "artistIsRTL"},
            {AlbumIsRTLRole, "albumIsRTL"},
            {ItemIdRole, "itemId"},
            {ChapterCountRole, "chapterCount"},
            {UrlRole, "fileUrl"}};
}

QVariant MediaRows::data(const MediaItem &item, int role)
{
    switch (role) {
    case TitleRole: return item.title;
    case ArtistRole: return item.artist;
    case AlbumRole: return item.album;
    case FormattedDurationRole: return item.formattedDuration();
    case IsVideoRole: return item.isVideo;
    case ArtworkSourceRole:
        return ArtworkCache::shared().sourceFor(item.id.toString(QUuid::WithoutBraces), item.artwork);
    case TitleIsRTLRole: return RTLSupport::isRTL(item.title);
    case ArtistIsRTLRole: return RTLSupport::isRTL(item.artist);
    case AlbumIsRTLRole: return RTLSupport::isRTL(item.album);
    case ItemIdRole: return item.id.toString(QUuid::WithoutBraces);
    case ChapterCountRole: return int(item.chapters.size());
    case UrlRole: return item.url;
    }
    return {};
}
