#pragma once

#include "models/MediaAsset.h"

#include <QList>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

// A media file inspected with libavformat. Everything the loads return is read once
// by open(), which closes the file again before returning: the asset holds plain
// values only, so the loads never touch the disk and cannot fail differently on a
// second call.
//
// A file that cannot be read as media (missing, not a regular file, not a format
// libavformat knows, or slower to read than the time limit) still gives an asset: all
// its loads return std::nullopt and hasVideoTrack() is false. So does every file when
// libavformat cannot be loaded (AvApi). The file is only ever opened for reading.
//
// Thread use: open() may run on any thread, concurrently with other opens (the first
// ones wait while libavformat loads); an asset is then used by one thread at a time.
class AvMediaAsset final : public MediaAsset
{
public:
    // How long one open may spend reading before it gives up on the file.
    static constexpr std::chrono::milliseconds defaultTimeLimit{10000};

    // Inspects the file at `localPath` (a local file path, not a URL). Never null.
    static std::unique_ptr<AvMediaAsset>
    open(const QString &localPath, std::chrono::milliseconds timeLimit = defaultTimeLimit);

    // True when libavformat recognised the file; false for a degraded asset.
    bool isReadable() const { return m_readable; }

    std::optional<double> loadDuration() const override;
    std::optional<QList<MetadataEntry>> loadCommonMetadata() const override;
    std::optional<QStringList> loadChapterLocales() const override;
    std::optional<QList<ChapterGroup>>
    loadChapterGroups(const QStringList &preferredLanguages) const override;
    bool hasVideoTrack() const override;

    // One chapter as the file gives it: times in seconds, the "title" tag (absent when
    // the file has none) and the "language" tag as a BCP 47 code ("" when none).
    struct ChapterMark
    {
        double start = 0;
        double end = 0;
        std::optional<QString> title;
        QString language;
    };

    // Groups chapter marks into chapter groups: marks with the same time range but
    // different languages form one group (translations of one chapter); every other
    // mark is a group of its own, in file order. Within a group the texts of marks in
    // the best-ranked preferred language come first, then the others in file order.
    // Exposed for testing; open() feeds it the file's chapters.
    static QList<ChapterGroup> groupChapters(const QList<ChapterMark> &marks,
                                             const QStringList &preferredLanguages);

    // The BCP 47 code for a container's language tag ("eng" -> "en", "pt_BR" ->
    // "pt-BR"); "" for an empty or undetermined ("und") tag.
    static QString languageCode(const QString &tag);

private:
    AvMediaAsset() = default;

    bool m_readable = false;
    double m_duration = 0;
    QList<MetadataEntry> m_metadata;
    QList<ChapterMark> m_chapters;
    bool m_hasVideoTrack = false;
};
