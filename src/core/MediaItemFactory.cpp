#include "MediaItemFactory.h"

#include "models/MediaAsset.h"
#include "util/ChapterExtractor.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>

namespace {

// True when the bytes are a picture format we can decode; reads the header only.
bool isDecodableImage(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    QByteArray copy = bytes; // shares the buffer; QBuffer needs a non-const array
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && reader.size().isValid();
}

} // namespace

MediaItem MediaItemFactory::fromURL(const QUrl &url, qint64 sortIndex, const MediaAsset &asset)
{
    MediaItem item;
    item.url = url;
    item.title = MediaItem::titleFromURL(url);
    item.sortIndex = sortIndex;
    item.isVideo = MediaItem::isVideoExtension(url.fileName());

    const QFileInfo info(url.toLocalFile());
    if (info.exists())
        item.fileSize = info.size();

    const std::optional<double> duration = asset.loadDuration();
    if (!duration)
        return item;
    item.duration = std::isnan(*duration) ? 0.0 : *duration;

    const auto metadata = asset.loadCommonMetadata();
    if (!metadata)
        return item;
    for (const MediaAsset::MetadataEntry &entry : *metadata) {
        switch (entry.key) {
        case MediaAsset::CommonKey::Title:
            if (entry.stringValue && !entry.stringValue->isEmpty())
                item.title = *entry.stringValue;
            break;
        case MediaAsset::CommonKey::Artist:
            if (entry.stringValue)
                item.artist = *entry.stringValue;
            break;
        case MediaAsset::CommonKey::AlbumName:
            if (entry.stringValue)
                item.album = *entry.stringValue;
            break;
        case MediaAsset::CommonKey::Artwork:
            if (entry.dataValue && isDecodableImage(*entry.dataValue))
                item.artwork = *entry.dataValue;
            break;
        }
    }

    item.chapters = ChapterExtractor::extractChapters(asset, url);
    return item;
}
