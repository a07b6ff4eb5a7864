// Inspection of generated files, of files that are not media, and around the run-time
// load of libavformat (in a child process, where nothing has loaded it yet).
#include "media/AvApi.h"
#include "media/AvMediaAsset.h"

#include "MediaFixtures.h"
#include "TestItems.h"
#include "core/MediaItemFactory.h"
#include "util/ChapterExtractor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

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

const QString kTitle = u"Sång – ☃"_s;

// Tags, a cover (as a picture track with `asTrack`) and three chapters, the middle one
// untitled unless `titled`.
AudioOptions tagged(std::optional<PictureFormat> cover = {}, bool titled = false,
                    bool chapters = true, bool asTrack = false)
{
    AudioOptions options{3, kTitle, u"Ärtist"_s, u"كتاب الصوت"_s, {}, {}, asTrack, {}};
    if (cover)
        options.cover = MediaFixtures::Picture{QSize(48, 32), *cover};
    if (chapters)
        options.chapters = {{u"Opening"_s, 0, 1},
                            {titled ? std::optional(u"Middle"_s) : std::nullopt, 1, 2},
                            {u"فصل ٣"_s, 2, 3}};
    return options;
}

} // namespace

// Opus tags the stream, Matroska writes upper-case keys and attaches the cover (or holds
// it as a one-picture video track, neither video nor artwork), mp4 adds a chapter text
// stream: all read the same. Files without chapters get one named after the file.
TEST(Inspection, EachKindOfFileGivesItsRecord)
{
    const QStringList marks{u"Opening"_s, u"Middle"_s, u"فصل ٣"_s};
    const QStringList untitledMiddle{u"Opening"_s, u"Chapter 2"_s, u"فصل ٣"_s};
    const auto withTag = [](const QString &key, const QString &value) {
        AudioOptions options;
        options.extraTags = {{key, value}};
        return options;
    };
    const struct
    {
        QString name;
        std::optional<AudioOptions> options; // std::nullopt: a video
        QString title, artist;
        QStringList chapters;
        bool cover = false;
    } cases[] = {
        {u"Tagged.mp3"_s, tagged(PictureFormat::Jpeg, true), kTitle, u"Ärtist"_s, marks, true},
        {u"Tagged.m4b"_s, tagged(PictureFormat::Png, true), kTitle, u"Ärtist"_s, marks, true},
        {u"Tagged.mka"_s, tagged(PictureFormat::Jpeg), kTitle, u"Ärtist"_s, untitledMiddle, true},
        {u"Tagged.opus"_s, tagged(), kTitle, u"Ärtist"_s, untitledMiddle},
        {u"Track.mka"_s, tagged(PictureFormat::Png, 0, 0, 1), kTitle, u"Ärtist"_s, {u"Track"_s}},
        {u"Track 01.flac"_s, AudioOptions{}, u"Track 01"_s, {}, {u"Track 01"_s}},
        {u"Book.Part.2.wav"_s, tagged({}, false, false), kTitle, u"Ärtist"_s, {u"Book.Part.2"_s}},
        {u"AlbumArtist.mp3"_s, withTag(u"album_artist"_s, u"Various"_s),
         u"AlbumArtist"_s, {}, {u"AlbumArtist"_s}},
        {u"Performer.flac"_s, withTag(u"PERFORMER"_s, u"Soloist"_s),
         u"Performer"_s, u"Soloist"_s, {u"Performer"_s}},
        {u"Clip.mp4"_s, std::nullopt, u"Clip"_s, {}, {u"Clip"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = c.options ? MediaFixtures::cachedAudio(c.name, *c.options)
                                       : MediaFixtures::cachedVideo(c.name);
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        const Inspection result = inspect(path);
        const MediaItem &item = result.item;
        EXPECT_EQ(QStringList({item.title, item.artist}), QStringList({c.title, c.artist}));
        EXPECT_EQ(item.album, c.options && c.options->album ? *c.options->album : QString());
        EXPECT_NEAR(item.duration, c.options ? c.options->seconds : 2.0, 0.1);
        EXPECT_EQ(item.isVideo, !c.options) << "a cover picture is not video";
        EXPECT_EQ(QImage::fromData(item.artwork).size(), c.cover ? QSize(48, 32) : QSize(0, 0));
        ASSERT_EQ(titlesOf(item.chapters), c.chapters);
        for (qsizetype i = 0; i < item.chapters.size(); ++i) {
            const Chapter &chapter = item.chapters[i];
            EXPECT_EQ(chapter.index, i);
            EXPECT_NEAR(chapter.startTime, double(i), 0.01) << i;
            EXPECT_NEAR(chapter.endTime, c.chapters.size() > 1 ? i + 1 : item.duration, 0.05) << i;
        }
        EXPECT_EQ(result.asset->loadChapterLocales(), QStringList())
            << "chapters without a language go the user's-languages way";
    }
}

// Whatever the importer's extension filter lets through: never a crash or a hang,
// never a change to the file, always a record titled by the file name.
TEST(Inspection, OddFilesDegradeToAFileNameRecord)
{
    const QTemporaryDir scratch(MediaFixtures::fixtureDirectory() + u"/bad-files-XXXXXX"_s);
    const QString dir = scratch.path();
    const QString tone = MediaFixtures::cachedTone(1);
    const QString book =
        MediaFixtures::cachedAudio(u"Tagged.m4b"_s, tagged(PictureFormat::Png, true));
    ASSERT_FALSE(tone.isEmpty() || book.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const auto at = [&](const char *name) { return dir + u'/' + QString::fromUtf8(name); };

    // Names a protocol, URL or option parser could misread are plain files.
    const QStringList readable{at("Line\nbreak \"double\".mp3"), at("http:not-a-url #1 ?x=%20.mp3"),
                               at("-starts with a dash.mp3")};
    for (const QString &path : readable)
        ASSERT_TRUE(QFile::copy(tone, path));
    // Nothing libav can use: every load fails.
    const QStringList unreadable{at("Empty.mp3"), at("Truncated.m4b"), at("Folder.mp3"),
                                 at("Missing.mp3"), at("Pipe.mp3")};
    ASSERT_TRUE(MediaFixtures::writeBytes(at("Empty.mp3"), {}));
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(book, at("Truncated.m4b"), 4096));
    ASSERT_TRUE(QDir().mkpath(at("Folder.mp3")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("Pipe.mp3")).constData(), 0600), 0); // blocks readers
    // Bytes a reader may make something of: only the record's shape is certain.
    const QStringList noise{at("Noise.flac"), at("Noise.m4b")};
    for (qsizetype i = 0; i < noise.size(); ++i)
        ASSERT_TRUE(MediaFixtures::writeNoise(noise[i], 64 * 1024, quint32(i + 1)));

    const auto stateOf = [](const QString &path) {
        QFile file(path);
        const bool regular = QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
        return std::pair{regular ? file.readAll() : QByteArray(), QFileInfo(path).lastModified()};
    };
    for (const QString &path : readable + unreadable + noise) {
        SCOPED_TRACE(path.toStdString());
        const auto before = stateOf(path);
        const Inspection result = inspect(path);
        const MediaItem &item = result.item;
        EXPECT_EQ(stateOf(path), before) << "inspection changed the file";
        EXPECT_TRUE(item.title == QFileInfo(path).completeBaseName() &&
                    item.fileSize == QFileInfo(path).size() && !item.hasArtwork() && !item.isVideo);
        EXPECT_TRUE(std::isfinite(item.duration) && item.duration >= 0) << item.duration;
        for (const Chapter &chapter : item.chapters)
            EXPECT_TRUE(std::isfinite(chapter.startTime) && std::isfinite(chapter.endTime));
        if (readable.contains(path)) {
            EXPECT_NEAR(item.duration, 1.0, 0.1);
            EXPECT_EQ(titlesOf(item.chapters), QStringList{item.title});
        } else if (unreadable.contains(path)) {
            EXPECT_FALSE(result.asset->isReadable() || result.asset->loadDuration() ||
                         result.asset->loadCommonMetadata() ||
                         result.asset->loadChapterGroups({u"en"_s}));
            EXPECT_TRUE(item.chapters.isEmpty());
        }
    }
}

TEST(Inspection, TruncatedMp3KeepsWhatItStillHoldsAndTheTimeLimitStopsAnyRead)
{
    const QString full =
        MediaFixtures::cachedAudio(u"Tagged.mp3"_s, tagged(PictureFormat::Jpeg, true));
    ASSERT_FALSE(full.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const QString cut = MediaFixtures::fixtureDirectory() + u"/Cut.mp3"_s;
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(full, cut, QFileInfo(full).size() * 2 / 3));
    const MediaItem item = inspect(cut).item;
    EXPECT_EQ(item.title, kTitle) << "the tags sit at the start of the file";
    EXPECT_TRUE(item.hasArtwork() && item.chapters.size() == 3);
    EXPECT_TRUE(item.duration > 0 && item.duration <= 3.1) << item.duration;

    EXPECT_FALSE(AvMediaAsset::open(full, std::chrono::milliseconds(0))->isReadable());
}

// Matroska and MP4 keep one title per chapter and no language; an ffmetadata file
// keeps chapter tags as written, so it stands in for a file with translated titles.
TEST(Inspection, TranslatedChapterTitlesFollowTheFilesFirstLanguage)
{
    const QString path = MediaFixtures::fixtureDirectory() + u"/Translated.txt"_s;
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
    EXPECT_TRUE(english->at(1).start == 5 && english->at(1).duration == 4);
    // The file lists German first; the user's languages only matter for files that
    // name none.
    EXPECT_EQ(
        titlesOf(ChapterExtractor::extractChapters(*asset, QUrl::fromLocalFile(path), {u"en"_s})),
        (QStringList{u"Anfang"_s, u"Ende"_s}));
}

namespace {

// Set in the child: the file to inspect.
QString childFile() { return qEnvironmentVariable("LYRABOX_AV_LOAD_FILE"); }

// Runs the current test in a child inspecting a tagged mp3, with libraries looked up
// first in `libraryPath`; the child's output when it fails.
testing::AssertionResult passesInChild(const QString &libraryPath = {})
{
    const auto *test = testing::UnitTest::GetInstance()->current_test_info();
    MediaFixtures::AudioOptions options;
    options.title = u"Loaded late"_s;
    const QString file = MediaFixtures::cachedAudio(u"LoadedLate.mp3"_s, options);
    if (file.isEmpty())
        return testing::AssertionFailure() << qPrintable(MediaFixtures::lastError());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LYRABOX_AV_LOAD_FILE"_s, file);
    if (!libraryPath.isEmpty())
        environment.insert(u"LD_LIBRARY_PATH"_s, libraryPath);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=%1.%2"_s.arg(QLatin1StringView(test->test_suite_name()),
                                               QLatin1StringView(test->name()))});
    const bool finished = child.waitForFinished(120000);
    const QByteArray output = child.readAll();
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        !output.contains("[  PASSED  ] 1 test"))
        return testing::AssertionFailure() << output.toStdString();
    return testing::AssertionSuccess();
}

// The first inspections of a run race the background load started with the window:
// each waits for it and reads the file in full.
TEST(AvLoad, FirstOpensOnSeveralThreadsWaitForTheLoad)
{
    if (childFile().isEmpty()) {
        EXPECT_TRUE(passesInChild());
        return;
    }
    Av::preloadApi();
    std::vector<std::unique_ptr<AvMediaAsset>> assets(4);
    std::vector<std::thread> threads;
    for (auto &asset : assets)
        threads.emplace_back([&asset] { asset = AvMediaAsset::open(childFile()); });
    for (std::thread &thread : threads)
        thread.join();
    for (const auto &asset : assets) {
        ASSERT_TRUE(asset->isReadable());
        const MediaItem item =
            MediaItemFactory::fromURL(QUrl::fromLocalFile(childFile()), 1, *asset);
        EXPECT_EQ(item.title, u"Loaded late"_s);
    }
}

// A libavformat that lacks the functions inspection needs (here another library
// under its name) makes every file unreadable; records keep their file names.
TEST(AvLoad, UnusableLibraryLeavesEveryFileUnreadable)
{
    if (childFile().isEmpty()) {
        QTemporaryDir libraries;
        const QString impostor = u"/lib/x86_64-linux-gnu/libz.so.1"_s;
        if (!QFileInfo::exists(impostor))
            GTEST_SKIP() << "no libz to stand in for libavformat";
        ASSERT_TRUE(QFile::link(impostor, libraries.path() + u"/libavformat.so."_s
                                              + QString::number(LIBAVFORMAT_VERSION_MAJOR)));
        EXPECT_TRUE(passesInChild(libraries.path()));
        return;
    }
    EXPECT_EQ(Av::loadApi(), nullptr);
    for (int i = 0; i < 2; ++i) { // the failed load is not retried into a crash
        const std::unique_ptr<AvMediaAsset> asset = AvMediaAsset::open(childFile());
        EXPECT_FALSE(asset->isReadable() || asset->loadCommonMetadata());
        const MediaItem item =
            MediaItemFactory::fromURL(QUrl::fromLocalFile(childFile()), 1, *asset);
        EXPECT_EQ(item.title, u"LoadedLate"_s);
        EXPECT_EQ(item.duration, 0);
    }
}

} // namespace
