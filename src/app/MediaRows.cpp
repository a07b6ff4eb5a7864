#include "MediaRows.h"

#include "ArtworkCache.h"
#include "platform/Appearance.h"
#include "util/RTLSupport.h"

using namespace Qt::StringLiterals;

namespace {

QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

// Computed once per row shown, in C++: a list scrolling through rows makes one for
// every row that comes into view.
QString detailLine(const MediaItem &item)
{
    const QString artist = oneLine(item.artist).toHtmlEscaped();
    const QString album = oneLine(item.album).toHtmlEscaped();
    if (artist.isEmpty() || album.isEmpty())
        return artist + album;
    QColor dash = Appearance::colors(Appearance::current()).secondaryText;
    dash.setAlphaF(0.5f);
    return artist + u" <font color=\""_s + dash.name(QColor::HexArgb) + u"\">—</font> "_s + album;
}

} // namespace

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
            {UrlRole, "fileUrl"},
            {TitleLineRole, "titleLine"},
            {DetailLineRole, "detailLine"},
            {DetailIsRTLRole, "detailIsRTL"},
            {FrameSourceRole, "frameSource"}};
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
    case TitleLineRole: return oneLine(item.title);
    case DetailLineRole: return detailLine(item);
    case DetailIsRTLRole: return RTLSupport::isRTL(item.artist + item.album);
    case FrameSourceRole:
        if (!item.isVideo || !item.artwork.isEmpty() || !item.url.isLocalFile())
            return QUrl();
        return QUrl(u"image://videoframe/"_s
                    + QString::fromLatin1(QUrl::toPercentEncoding(item.url.toLocalFile())));
    }
    return {};
}
