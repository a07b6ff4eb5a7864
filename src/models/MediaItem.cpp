#include "MediaItem.h"

#include "MediaAsset.h"
#include "TimeText.h"
#include "util/ChapterExtractor.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>

using namespace Qt::StringLiterals;

const QStringList &MediaItem::videoKindExtensions()
{
    static const QStringList extensions{u"mp4"_s, u"mkv"_s, u"avi"_s, u"mov"_s,
                                        u"wmv"_s, u"flv"_s, u"webm"_s, u"m4v"_s};
    return extensions;
}

bool MediaItem::isVideoExtension(const QString &fileName)
{
    return videoKindExtensions().contains(QFileInfo(fileName).suffix().toLower());
}

QString MediaItem::titleFromURL(const QUrl &url)
{
    const QString name = url.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // A leading dot starts a hidden file's name rather than an extension.
    return dot > 0 ? name.left(dot) : name;
}

QString MediaItem::formattedDuration() const
{
    return TimeText::formatTime(duration);
}

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

MediaItem MediaItem::fromURL(const QUrl &url, qint64 sortIndex, const MediaAsset &asset)
{
    MediaItem item;
    item.url = url;
    item.title = titleFromURL(url);
    item.sortIndex = sortIndex;
    item.isVideo = isVideoExtension(url.fileName());

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
