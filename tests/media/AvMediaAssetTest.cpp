// Inspection of generated files: what an import of each container gives, and how files
// that are not media (or not files) degrade.
#include "media/AvMediaAsset.h"

#include "MediaFixtures.h"
#include "TestItems.h"
#include "core/MediaItemFactory.h"
#include "util/ChapterExtractor.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using MediaFixtures::AudioOptions;
using MediaFixtures::PictureFormat;
using TestItems::titlesOf;

namespace {

struct Inspection
{
    std::unique_ptr<AvMediaAsset> asset;
    MediaItem item;
};

Inspection inspect(const QString &path)
{
    Inspection result{AvMediaAsset::open(path), {}};
    result.item = MediaItemFactory::fromURL(QUrl::fromLocalFile(path), 1, *result.asset);
    return result;
}

// A directory of its own for one test's files.
QString freshDirectory(const QString &name)
{
    const QString path = MediaFixtures::fixtureDirectory() + u'/' + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

const QString kTitle = u"Sång – ☃"_s;
const QString kLastChapter = u"فصل ٣"_s;

// Tags, a cover and three chapters, the middle one untitled unless `titled`.
AudioOptions fullOptions(std::optional<PictureFormat> cover, bool titled)
{
    AudioOptions options;
    options.seconds = 3;
    options.title = kTitle;
    options.artist = u"Ärtist"_s;
    options.album = u"كتاب الصوت"_s;
    if (cover)
        options.cover = MediaFixtures::Picture{QSize(48, 32), *cover};
    options.chapters = {{u"Opening"_s, 0, 1},
                        {titled ? std::optional(u"Middle"_s) : std::nullopt, 1, 2},
                        {kLastChapter, 2, 3}};
    return options;
}

QString taggedMp3()
{
    return MediaFixtures::cachedAudio(u"Tagged.mp3"_s, fullOptions(PictureFormat::Jpeg, true));
}

struct ContainerCase
{
    const char *extension;
    std::optional<PictureFormat> cover;
    bool keepsUntitledChapters;
};

class TaggedAudio : public ::testing::TestWithParam<ContainerCase>
{
};

} // namespace

// Opus carries its tags on the audio stream, Matroska writes upper-case keys and holds
// the cover as an attachment, the mp4 family adds a chapter text stream: all must read
// the same.
TEST_P(TaggedAudio, TagsCoverAndChaptersReachTheRecord)
{
    const ContainerCase param = GetParam();
    const QString name = u"Tagged."_s + QLatin1String(param.extension);
    const QString path = std::string_view(param.extension) == "mp3"
        ? taggedMp3()
        : MediaFixtures::cachedAudio(name, fullOptions(param.cover, !param.keepsUntitledChapters));
    ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());

    const Inspection result = inspect(path);
    const MediaItem &item = result.item;
    EXPECT_EQ(item.title, kTitle);
    EXPECT_EQ(item.artist, u"Ärtist"_s);
    EXPECT_EQ(item.album, u"كتاب الصوت"_s);
    EXPECT_NEAR(item.duration, 3, 0.1);
    EXPECT_EQ(item.fileSize, QFileInfo(path).size());
    EXPECT_FALSE(item.isVideo) << "a cover picture is not video";
    EXPECT_EQ(QImage::fromData(item.artwork).size(), param.cover ? QSize(48, 32) : QSize(0, 0));

    const QString middle = param.keepsUntitledChapters ? u"Chapter 2"_s : u"Middle"_s;
    ASSERT_EQ(titlesOf(item.chapters), (QStringList{u"Opening"_s, middle, kLastChapter}));
    for (qsizetype i = 0; i < 3; ++i) {
        EXPECT_EQ(item.chapters[i].index, i);
        EXPECT_NEAR(item.chapters[i].startTime, double(i), 0.01) << i;
        EXPECT_NEAR(item.chapters[i].endTime, double(i + 1), 0.05) << i;
    }
    EXPECT_EQ(result.asset->loadChapterLocales(), QStringList())
        << "chapters without a language go the user's-languages way";
}

INSTANTIATE_TEST_SUITE_P(Containers, TaggedAudio,
                         ::testing::Values(ContainerCase{"mp3", PictureFormat::Jpeg, false},
                                           ContainerCase{"m4b", PictureFormat::Png, false},
                                           ContainerCase{"opus", std::nullopt, true},
                                           ContainerCase{"mka", PictureFormat::Jpeg, true}),
                         [](const auto &c) { return std::string(c.param.extension); });

// Ogg Vorbis also carries its tags on the audio stream.
TEST(Tags, FileNameTitlesUntaggedAudioAndAlbumArtistIsNotTheArtist)
{
    AudioOptions tags;
    tags.title = kTitle;
    tags.artist = u"Ärtist"_s;
    AudioOptions albumArtist;
    albumArtist.extraTags = {{u"album_artist"_s, u"Various"_s}};
    AudioOptions performer;
    performer.extraTags = {{u"PERFORMER"_s, u"Soloist"_s}};
    AudioOptions taggedWave;
    taggedWave.title = u"Tagged Wave"_s;
    const struct
    {
        QString name;
        AudioOptions options;
        QString title, artist;
    } cases[] = {{u"Track 01.flac"_s, {}, u"Track 01"_s, u""_s},
                 {u"Book.Part.2.wav"_s, taggedWave, u"Tagged Wave"_s, u""_s},
                 {u"AlbumArtist.mp3"_s, albumArtist, u"AlbumArtist"_s, u""_s},
                 {u"Performer.flac"_s, performer, u"Performer"_s, u"Soloist"_s},
                 {u"Tagged.ogg"_s, tags, kTitle, u"Ärtist"_s}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = MediaFixtures::cachedAudio(c.name, c.options);
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        const MediaItem item = inspect(path).item;
        EXPECT_EQ(item.title, c.title);
        EXPECT_EQ(item.artist, c.artist);
        EXPECT_FALSE(item.hasArtwork());
        // Without chapters: one named after the file, over the whole length.
        ASSERT_EQ(item.chapters.size(), 1);
        EXPECT_EQ(item.chapters[0].title, QFileInfo(c.name).completeBaseName());
        EXPECT_EQ(item.chapters[0].endTime, item.duration);
        EXPECT_NEAR(item.duration, 2, 0.1);
    }
}

TEST(VideoTracks, OnlyMovingPicturesCount)
{
    for (const char *extension : {"mp4", "mkv", "webm"}) {
        SCOPED_TRACE(extension);
        const QString path = MediaFixtures::cachedVideo(u"Clip."_s + QLatin1String(extension));
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        const Inspection result = inspect(path);
        EXPECT_TRUE(result.item.isVideo);
        EXPECT_NEAR(result.item.duration, 2.0, 0.1);
        EXPECT_FALSE(result.item.hasArtwork());
    }

    // A cover some tools write into Matroska as a one-picture video track.
    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Jpeg}) {
        AudioOptions options;
        options.cover = MediaFixtures::Picture{QSize(32, 32), format};
        options.coverAsTrack = true;
        const QString path = MediaFixtures::cachedAudio(u"CoverTrack%1.mka"_s.arg(int(format)), options);
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        EXPECT_FALSE(AvMediaAsset::open(path)->hasVideoTrack()) << int(format);
    }
}

namespace {

// The bytes and time of a file, to see that inspection left it alone.
std::pair<QByteArray, QDateTime> stateOf(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    const bool small = info.isFile() && info.size() < 10'000'000 && file.open(QIODevice::ReadOnly);
    return {small ? file.readAll() : QByteArray(), info.lastModified()};
}

} // namespace

// Whatever the importer's extension filter lets through: never a crash or a hang,
// never a change to the file, always a record titled by the file name.
TEST(BadFiles, DegradeToAFileNameRecord)
{
    const QString dir = freshDirectory(u"bad-files"_s);
    const QString tagged = MediaFixtures::cachedAudio(u"Tagged.m4b"_s, fullOptions(PictureFormat::Png, true));
    ASSERT_FALSE(tagged.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const auto at = [&](const char *name) { return dir + u'/' + QLatin1String(name); };

    // Nothing libav can use: every load fails.
    const QStringList unreadable{at("Empty.mp3"), at("Empty.m4b"),   at("Truncated.m4b"),
                                 at("Folder.mp3"), at("Missing.mp3"), at("Pipe.mp3")};
    ASSERT_TRUE(MediaFixtures::writeBytes(at("Empty.mp3"), {}));
    ASSERT_TRUE(MediaFixtures::writeBytes(at("Empty.m4b"), {}));
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(tagged, at("Truncated.m4b"), 4096));
    ASSERT_TRUE(QDir().mkpath(at("Folder.mp3")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("Pipe.mp3")).constData(), 0600), 0); // blocks readers

    // Bytes a reader may make something of: only the record's shape is certain.
    const QStringList noise{at("Noise.flac"), at("Noise.mp3"), at("Noise.m4b"), at("Noise.ogg")};
    for (qsizetype i = 0; i < noise.size(); ++i)
        ASSERT_TRUE(MediaFixtures::writeNoise(noise[i], 64 * 1024, quint32(i + 1)));

    for (const QString &path : unreadable + noise) {
        SCOPED_TRACE(path.toStdString());
        const auto before = stateOf(path);
        const Inspection result = inspect(path);
        const MediaItem &item = result.item;
        EXPECT_EQ(stateOf(path), before) << "inspection changed the file";
        EXPECT_EQ(item.title, QFileInfo(path).completeBaseName());
        EXPECT_FALSE(item.hasArtwork());
        EXPECT_FALSE(item.isVideo);
        EXPECT_TRUE(std::isfinite(item.duration) && item.duration >= 0) << item.duration;
        for (const Chapter &chapter : item.chapters)
            EXPECT_TRUE(std::isfinite(chapter.startTime) && std::isfinite(chapter.endTime));
        if (unreadable.contains(path)) {
            EXPECT_FALSE(result.asset->isReadable());
            EXPECT_FALSE(result.asset->loadDuration());
            EXPECT_FALSE(result.asset->loadCommonMetadata());
            EXPECT_FALSE(result.asset->loadChapterGroups({u"en"_s}));
            EXPECT_TRUE(item.chapters.isEmpty());
            EXPECT_EQ(item.fileSize, QFileInfo(path).size());
        }
    }
}

TEST(BadFiles, TruncatedMp3KeepsWhatItStillHoldsAndTheTimeLimitStopsAnyRead)
{
    const QString full = taggedMp3();
    ASSERT_FALSE(full.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const QString cut = freshDirectory(u"truncated-mp3"_s) + u"/Cut.mp3"_s;
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(full, cut, QFileInfo(full).size() * 2 / 3));
    const MediaItem item = inspect(cut).item;
    EXPECT_EQ(item.title, kTitle) << "the tags sit at the start of the file";
    EXPECT_TRUE(item.hasArtwork());
    EXPECT_GT(item.duration, 0);
    EXPECT_LE(item.duration, 3.1);
    EXPECT_EQ(item.chapters.size(), 3);

    EXPECT_FALSE(AvMediaAsset::open(full, std::chrono::milliseconds(0))->isReadable());
}

TEST(Paths, OddFileNamesOpenAndTitleTheRecord)
{
    const QString source = MediaFixtures::cachedTone(1);
    ASSERT_FALSE(source.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const QString dir = freshDirectory(u"odd-names"_s);
    for (const QString &name : {u"Line\nbreak \"double\".mp3"_s, u"http:not-a-url #1 ?x=%20.mp3"_s,
                                u"-starts with a dash.mp3"_s}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QFile::copy(source, dir + u'/' + name));
        const Inspection result = inspect(dir + u'/' + name);
        EXPECT_NEAR(result.item.duration, 1.0, 0.1);
        EXPECT_EQ(titlesOf(result.item.chapters), QStringList{QFileInfo(name).completeBaseName()});
    }
}

// Matroska and MP4 keep one title per chapter and no language; an ffmetadata file
// keeps chapter tags as written, so it stands in for a file with translated titles.
TEST(ChapterLanguages, TranslatedTitlesFollowTheFilesFirstLanguage)
{
    const QString path = freshDirectory(u"chapter-languages"_s) + u"/Translated.txt"_s;
    ASSERT_TRUE(MediaFixtures::writeBytes(
        path, ";FFMETADATA1\n"
              "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=5000\ntitle=Anfang\nlanguage=ger\n"
              "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=5000\ntitle=Beginning\nlanguage=eng\n"
              "[CHAPTER]\nTIMEBASE=1/1000\nSTART=5000\nEND=9000\ntitle=Ende\nlanguage=ger\n"
              "[CHAPTER]\nTIMEBASE=1/1000\nSTART=5000\nEND=9000\ntitle=End\nlanguage=eng\n"));
    const auto asset = AvMediaAsset::open(path);
    EXPECT_EQ(asset->loadChapterLocales(), (QStringList{u"de"_s, u"en"_s}));
    const auto english = asset->loadChapterGroups({u"en-GB"_s});
    ASSERT_TRUE(english && english->size() == 2);
    EXPECT_EQ(english->at(1).itemTexts.first(), u"End"_s);
    EXPECT_EQ(english->at(1).start, 5);
    EXPECT_EQ(english->at(1).duration, 4);

    // The file lists German first; the user's languages only matter for files that
    // name none.
    const QList<Chapter> chapters =
        ChapterExtractor::extractChapters(*asset, QUrl::fromLocalFile(path), {u"en"_s});
    EXPECT_EQ(titlesOf(chapters), (QStringList{u"Anfang"_s, u"Ende"_s}));
}
