#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a media record is built from: a file opened for inspection. Each load may
// fail, which the caller treats as "nothing found" (std::nullopt). Implementations
// read the file on the calling thread; they are used off the main thread and are not
// shared between threads.
class MediaAsset
{
public:
    enum class CommonKey { Title, Artist, AlbumName, Artwork };

    // One metadata entry under one of the common keys. Text entries carry
    // `stringValue`, the artwork entry carries `dataValue` (the encoded picture).
    struct MetadataEntry
    {
        CommonKey key = CommonKey::Title;
        std::optional<QString> stringValue;
        std::optional<QByteArray> dataValue;
    };

    // One chapter mark: its time range in seconds and the texts attached to it,
    // in the file's order (a text that could not be read is std::nullopt).
    struct ChapterGroup
    {
        double start = 0;
        double duration = 0;
        QList<std::optional<QString>> itemTexts;
    };

    virtual ~MediaAsset() = default;

    // Playing time in seconds; may be NaN or infinite when the file does not say.
    virtual std::optional<double> loadDuration() const = 0;
    // Entries under the four common keys, in the file's order.
    virtual std::optional<QList<MetadataEntry>> loadCommonMetadata() const = 0;
    // Languages for which the file has chapter titles (BCP 47 codes; may be empty
    // when the file has chapters with no language given).
    virtual std::optional<QStringList> loadChapterLocales() const = 0;
    // The chapter marks whose titles best match the given languages, in file order.
    virtual std::optional<QList<ChapterGroup>>
    loadChapterGroups(const QStringList &preferredLanguages) const = 0;
    // True when the file holds a real video stream: a cover picture or a chapter
    // data stream is never video.
    virtual bool hasVideoTrack() const = 0;
};
