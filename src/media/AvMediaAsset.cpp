#include "AvMediaAsset.h"

#include "AvApi.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct FormatContextDeleter
{
    void operator()(AVFormatContext *context) const { Av::api().close_input(&context); }
};
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextDeleter>;

struct UnopenedContextDeleter
{
    void operator()(AVFormatContext *context) const { Av::api().free_context(context); }
};

// Read by libav's I/O loops between reads: past the deadline the current open or
// probe stops with AVERROR_EXIT, so a pathological file cannot hold up an import.
int deadlinePassed(void *opaque)
{
    const auto *deadline = static_cast<const std::chrono::steady_clock::time_point *>(opaque);
    return std::chrono::steady_clock::now() >= *deadline ? 1 : 0;
}

std::optional<QString> tagValue(const AVDictionary *tags, const char *key)
{
    // Without AV_DICT_MATCH_CASE the lookup ignores case: Matroska and Vorbis
    // comments write "ARTIST" where ID3 and MP4 give "artist".
    if (const AVDictionaryEntry *entry = Av::api().dict_get(tags, key, nullptr, 0))
        return QString::fromUtf8(entry->value);
    return std::nullopt;
}

// The first of `keys` the tags hold. "album_artist" is a different key and never
// matches "artist".
std::optional<QString> firstTag(const AVDictionary *tags, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        if (auto value = tagValue(tags, key))
            return value;
    }
    return std::nullopt;
}

// Ogg Vorbis, Opus and FLAC-in-Ogg keep the file's tags in the audio stream's
// comment header. Matroska stream tags are track names ("Stereo", "Commentary"),
// not the file's title, so they are not used.
const AVDictionary *streamTagsStandingForFile(const AVFormatContext *context)
{
    if (std::strstr(context->iformat->name, "matroska"))
        return nullptr;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            return stream->metadata;
    }
    return nullptr;
}

bool isStillImageCodec(AVCodecID codec)
{
    switch (codec) {
    case AV_CODEC_ID_MJPEG:
    case AV_CODEC_ID_PNG:
    case AV_CODEC_ID_BMP:
    case AV_CODEC_ID_GIF:
    case AV_CODEC_ID_WEBP:
    case AV_CODEC_ID_TIFF:
        return true;
    default:
        return false;
    }
}

// Seconds of a Matroska "DURATION" statistics tag ("00:00:00.047000000"); -1 when
// absent or unreadable.
double durationTagSeconds(const AVDictionary *tags)
{
    const std::optional<QString> text = tagValue(tags, "DURATION");
    if (!text)
        return -1;
    const QStringList parts = text->split(u':');
    if (parts.size() != 3)
        return -1;
    bool hoursOk = false, minutesOk = false, secondsOk = false;
    const double seconds = parts[0].toDouble(&hoursOk) * 3600 + parts[1].toDouble(&minutesOk) * 60 +
                           parts[2].toDouble(&secondsOk);
    return hoursOk && minutesOk && secondsOk ? seconds : -1;
}

// A stream of pictures that holds one frame: a cover written into Matroska as a track
// (it keeps a default frame rate, so the rate says nothing). Matroska gives no frame
// count, but muxers write statistics tags with the frame count or the length.
bool isSinglePicture(const AVStream *stream)
{
    const AVCodecID codec = stream->codecpar->codec_id;
    if (!isStillImageCodec(codec))
        return false;
    if (stream->nb_frames > 0)
        return stream->nb_frames == 1;
    if (const auto frames = tagValue(stream->metadata, "NUMBER_OF_FRAMES")) {
        bool ok = false;
        const qlonglong count = frames->toLongLong(&ok);
        if (ok)
            return count <= 1;
    }
    if (const double seconds = durationTagSeconds(stream->metadata); seconds >= 0)
        return seconds < 0.5;
    // Nothing says how long it is: motion JPEG is a real video codec, the others
    // hold pictures.
    return codec != AV_CODEC_ID_MJPEG;
}

// A picture shown while audio plays is not video: attached covers, still images,
// and single-picture streams.
bool isRealVideo(const AVStream *stream)
{
    if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
        return false;
    constexpr int pictureDispositions =
        AV_DISPOSITION_ATTACHED_PIC | AV_DISPOSITION_STILL_IMAGE | AV_DISPOSITION_TIMED_THUMBNAILS;
    if (stream->disposition & pictureDispositions)
        return false;
    return !isSinglePicture(stream);
}

// The bytes of the cover picture: the front cover when the file names one, else the
// first attached picture.
std::optional<QByteArray> artworkOf(const AVFormatContext *context)
{
    const AVStream *chosen = nullptr;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (!(stream->disposition & AV_DISPOSITION_ATTACHED_PIC) || stream->attached_pic.size <= 0)
            continue;
        const AVDictionaryEntry *comment =
            Av::api().dict_get(stream->metadata, "comment", nullptr, 0);
        if (comment && std::strcmp(comment->value, "Cover (front)") == 0) {
            chosen = stream;
            break;
        }
        if (!chosen)
            chosen = stream;
    }
    if (!chosen)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char *>(chosen->attached_pic.data),
                      chosen->attached_pic.size);
}

QList<MediaAsset::MetadataEntry> commonMetadataOf(const AVFormatContext *context)
{
    const AVDictionary *fileTags = context->metadata;
    const AVDictionary *streamTags = streamTagsStandingForFile(context);
    const auto lookup = [&](std::initializer_list<const char *> keys) {
        if (auto value = firstTag(fileTags, keys))
            return value;
        return firstTag(streamTags, keys);
    };

    QList<MediaAsset::MetadataEntry> entries;
    const auto addText = [&](MediaAsset::CommonKey key, std::optional<QString> value) {
        if (value)
            entries.append({key, std::move(value), std::nullopt});
    };
    addText(MediaAsset::CommonKey::Title, lookup({"title"}));
    addText(MediaAsset::CommonKey::Artist, lookup({"artist", "performer", "author"}));
    addText(MediaAsset::CommonKey::AlbumName, lookup({"album"}));
    if (auto artwork = artworkOf(context))
        entries.append({MediaAsset::CommonKey::Artwork, std::nullopt, std::move(artwork)});
    return entries;
}

QList<AvMediaAsset::ChapterMark> chaptersOf(const AVFormatContext *context)
{
    QList<AvMediaAsset::ChapterMark> marks;
    marks.reserve(context->nb_chapters);
    for (unsigned i = 0; i < context->nb_chapters; ++i) {
        const AVChapter *chapter = context->chapters[i];
        if (chapter->start == AV_NOPTS_VALUE || chapter->time_base.den == 0)
            continue;
        const double unit = av_q2d(chapter->time_base);
        const double start = static_cast<double>(chapter->start) * unit;
        double end =
            chapter->end == AV_NOPTS_VALUE ? start : static_cast<double>(chapter->end) * unit;
        if (!std::isfinite(start))
            continue;
        if (!std::isfinite(end) || end < start)
            end = start;
        AvMediaAsset::ChapterMark mark;
        mark.start = start;
        mark.end = end;
        mark.title = tagValue(chapter->metadata, "title");
        if (auto language = tagValue(chapter->metadata, "language"))
            mark.language = AvMediaAsset::languageCode(*language);
        marks.append(std::move(mark));
    }
    return marks;
}

QString primarySubtag(const QString &code)
{
    const qsizetype dash = code.indexOf(u'-');
    return dash < 0 ? code : code.left(dash);
}

// Position of the first preferred language that `code` serves (same code, or same
// primary language: "en" serves "en-GB"); -1 when none does.
qsizetype preferenceRank(const QString &code, const QStringList &preferredLanguages)
{
    if (code.isEmpty())
        return -1;
    const QString primary = primarySubtag(code);
    for (qsizetype i = 0; i < preferredLanguages.size(); ++i) {
        const QString wanted = AvMediaAsset::languageCode(preferredLanguages[i]);
        if (wanted.compare(code, Qt::CaseInsensitive) == 0 ||
            primarySubtag(wanted).compare(primary, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

std::unique_ptr<AvMediaAsset> AvMediaAsset::open(const QString &localPath,
                                                 std::chrono::milliseconds timeLimit)
{
    std::unique_ptr<AvMediaAsset> asset(new AvMediaAsset);
    // Waits for a load started elsewhere; without the libraries no file is readable.
    const Av::Api *av = Av::loadApi();
    if (!av)
        return asset;

    // Only regular files: opening a FIFO blocks until a writer appears (no deadline
    // can interrupt that), and a directory or device is never a media file. Some
    // readers are picked by extension alone and accept an empty file.
    const QFileInfo info(localPath);
    if (localPath.isEmpty() || !info.isFile() || info.size() == 0)
        return asset;

    // The "file:" prefix keeps a name such as "http:x.mp3" from being taken for a
    // protocol; the whitelist stops a playlist-like file from opening network
    // addresses or other protocols while it is probed.
    const QByteArray url = "file:" + QFile::encodeName(info.absoluteFilePath());
    auto deadline = std::chrono::steady_clock::now() + timeLimit;

    std::unique_ptr<AVFormatContext, UnopenedContextDeleter> fresh(av->alloc_context());
    if (!fresh)
        return asset;
    fresh->interrupt_callback.callback = &deadlinePassed;
    fresh->interrupt_callback.opaque = &deadline;
    // Set on the context rather than through an options dictionary: parsing options
    // costs a noticeable part of the open of a small file.
    fresh->protocol_whitelist = av->string_dup("file"); // freed with the context
    if (!fresh->protocol_whitelist)
        return asset;
    AVFormatContext *raw = fresh.release(); // freed by avformat_open_input on failure
    const int opened = av->open_input(&raw, url.constData(), nullptr, nullptr);
    if (opened < 0)
        return asset; // libav has freed the context
    const FormatContextPtr context(raw);

    // Needed for durations of files without a length in their header (mp3 without a
    // Xing frame, Opus); its own failure still leaves tags and chapters readable.
    if (av->find_stream_info(context.get(), nullptr) == AVERROR_EXIT)
        return asset;

    asset->m_readable = true;
    asset->m_duration = context->duration == AV_NOPTS_VALUE || context->duration < 0
                            ? std::numeric_limits<double>::quiet_NaN()
                            : static_cast<double>(context->duration) / AV_TIME_BASE;
    asset->m_metadata = commonMetadataOf(context.get());
    asset->m_chapters = chaptersOf(context.get());
    for (unsigned i = 0; i < context->nb_streams && !asset->m_hasVideoTrack; ++i)
        asset->m_hasVideoTrack = isRealVideo(context->streams[i]);
    return asset;
}

std::optional<double> AvMediaAsset::loadDuration() const
{
    if (!m_readable)
        return std::nullopt;
    return m_duration;
}

std::optional<QList<MediaAsset::MetadataEntry>> AvMediaAsset::loadCommonMetadata() const
{
    if (!m_readable)
        return std::nullopt;
    return m_metadata;
}

std::optional<QStringList> AvMediaAsset::loadChapterLocales() const
{
    if (!m_readable)
        return std::nullopt;
    QStringList locales;
    for (const ChapterMark &mark : m_chapters) {
        if (!mark.language.isEmpty() && !locales.contains(mark.language))
            locales.append(mark.language);
    }
    return locales;
}

std::optional<QList<MediaAsset::ChapterGroup>>
AvMediaAsset::loadChapterGroups(const QStringList &preferredLanguages) const
{
    if (!m_readable)
        return std::nullopt;
    return groupChapters(m_chapters, preferredLanguages);
}

bool AvMediaAsset::hasVideoTrack() const
{
    return m_hasVideoTrack;
}

QList<MediaAsset::ChapterGroup> AvMediaAsset::groupChapters(const QList<ChapterMark> &marks,
                                                            const QStringList &preferredLanguages)
{
    // Members of each group, as indexes into `marks`.
    QList<QList<qsizetype>> members;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const ChapterMark &mark = marks[i];
        qsizetype target = -1;
        if (!mark.language.isEmpty()) {
            for (qsizetype g = 0; g < members.size() && target < 0; ++g) {
                const ChapterMark &first = marks[members[g].first()];
                if (first.start != mark.start || first.end != mark.end)
                    continue;
                const bool languageTaken =
                    std::any_of(members[g].cbegin(), members[g].cend(), [&](qsizetype m) {
                        return marks[m].language.isEmpty() || marks[m].language == mark.language;
                    });
                if (!languageTaken)
                    target = g;
            }
        }
        if (target < 0)
            members.append(QList<qsizetype>{i});
        else
            members[target].append(i);
    }

    QList<ChapterGroup> groups;
    groups.reserve(members.size());
    for (QList<qsizetype> &group : members) {
        // Unmatched marks rank after every preferred language, in file order.
        const auto rank = [&](qsizetype m) {
            const qsizetype r = preferenceRank(marks[m].language, preferredLanguages);
            return r < 0 ? std::numeric_limits<qsizetype>::max() : r;
        };
        std::stable_sort(group.begin(), group.end(),
                         [&](qsizetype a, qsizetype b) { return rank(a) < rank(b); });
        ChapterGroup chapterGroup;
        const ChapterMark &first = marks[group.first()];
        chapterGroup.start = first.start;
        chapterGroup.duration = first.end - first.start;
        for (qsizetype m : group) {
            if (marks[m].title)
                chapterGroup.itemTexts.append(marks[m].title);
        }
        groups.append(std::move(chapterGroup));
    }
    return groups;
}

QString AvMediaAsset::languageCode(const QString &tag)
{
    QString code = tag.trimmed();
    code.replace(u'_', u'-');
    if (code.isEmpty() || code.compare(u"und"_s, Qt::CaseInsensitive) == 0)
        return {};
    const QString primary = primarySubtag(code);
    if (primary.size() == 3) {
        // ISO 639-2 codes (Matroska, MP4, ID3) become their two-letter form when one
        // exists, so that "eng" and the user's "en-GB" meet.
        const QLocale::Language language =
            QLocale::codeToLanguage(primary, QLocale::ISO639Part2 | QLocale::ISO639Part3);
        if (language != QLocale::AnyLanguage && language != QLocale::C) {
            const QString twoLetter = QLocale::languageToCode(language, QLocale::ISO639Part1);
            if (!twoLetter.isEmpty())
                return twoLetter + code.mid(primary.size());
        }
    }
    return code;
}
