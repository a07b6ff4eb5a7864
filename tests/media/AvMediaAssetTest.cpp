// Inspection of real files made by ffmpeg: what an import of each container gives,
// and how files that are not media (or not files) degrade.
#include "media/AvMediaAsset.h"

#include "MediaFixtures.h"
#include "core/MediaItemFactory.h"
#include "models/MediaItem.h"
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
#include <unistd.h>

using namespace Qt::StringLiterals;
using MediaFixtures::AudioOptions;
using MediaFixtures::Picture;
using MediaFixtures::PictureFormat;

namespace {

struct Inspection
{
    std::unique_ptr<AvMediaAsset> asset;
    MediaItem item;
};

Inspection inspect(const QString &path)
{
    Inspection result;
    result.asset = AvMediaAsset::open(path);
    result.item = MediaItemFactory::fromURL(QUrl::fromLocalFile(path), 1, *result.asset);
    return result;
}

QStringList titles(const QList<Chapter> &chapters)
{
    QStringList out;
    for (const Chapter &chapter : chapters)
        out.append(chapter.title);
    return out;
}

// A directory of its own for one test's files, inside the fixture directory.
QString freshDirectory(const QString &name)
{
    const QString path = MediaFixtures::fixtureDirectory() + u"/"_s + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

const QString kTitle = u"Sång – ☃"_s;
const QString kArtist = u"Ärtist"_s;
const QString kAlbum = u"كتاب الصوت"_s;
const QString kLastChapter = u"فصل ٣"_s;
constexpr double kSeconds = 3.0;

// Tags, a cover and three chapters (the middle one untitled where the container can
// say so).
AudioOptions fullOptions(PictureFormat coverFormat, bool untitledMiddle = false)
{
    AudioOptions options;
    options.seconds = kSeconds;
    options.title = kTitle;
    options.artist = kArtist;
    options.album = kAlbum;
    options.cover = Picture{QSize(48, 32), coverFormat};
    options.chapters = {{u"Opening"_s, 0, 1},
                        {untitledMiddle ? std::nullopt : std::optional(u"Middle"_s), 1, 2},
                        {kLastChapter, 2, kSeconds}};
    return options;
}

AudioOptions plainOptions(double seconds)
{
    AudioOptions options;
    options.seconds = seconds;
    return options;
}

struct ContainerCase
{
    const char *extension;
    PictureFormat cover;
    bool keepsUntitledChapters;
};

void PrintTo(const ContainerCase &c, std::ostream *out)
{
    *out << c.extension << (c.cover == PictureFormat::Png ? " with PNG cover" : " with JPEG cover");
}

class TaggedAudio : public ::testing::TestWithParam<ContainerCase>
{
};

} // namespace

// Ogg Vorbis and Opus carry their tags on the audio stream; Matroska writes upper-case
// keys and holds the cover as a one-picture track; the mp4 family adds a chapter
// text stream. All must read the same.
TEST_P(TaggedAudio, TagsCoverAndChaptersReachTheRecord)
{
    const ContainerCase param = GetParam();
    const QString path =
        MediaFixtures::cachedAudio(u"Tagged."_s + QLatin1String(param.extension),
                                   fullOptions(param.cover, param.keepsUntitledChapters));
    ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());

    const Inspection result = inspect(path);
    const MediaItem &item = result.item;
    ASSERT_TRUE(result.asset->isReadable());
    EXPECT_EQ(item.title, kTitle);
    EXPECT_EQ(item.artist, kArtist);
    EXPECT_EQ(item.album, kAlbum);
    EXPECT_NEAR(item.duration, kSeconds, 0.1);
    EXPECT_EQ(item.fileSize, QFileInfo(path).size());
    EXPECT_FALSE(item.isVideo);
    EXPECT_FALSE(result.asset->hasVideoTrack()) << "a cover picture is not video";

    QImage cover;
    ASSERT_TRUE(cover.loadFromData(item.artwork)) << "artwork bytes: " << item.artwork.size();
    EXPECT_EQ(cover.size(), QSize(48, 32));

    ASSERT_EQ(item.chapters.size(), 3);
    const QString middle = param.keepsUntitledChapters ? u"Chapter 2"_s : u"Middle"_s;
    EXPECT_EQ(titles(item.chapters), (QStringList{u"Opening"_s, middle, kLastChapter}));
    for (qsizetype i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(item.chapters[i].index, i);
        EXPECT_NEAR(item.chapters[i].startTime, double(i), 0.01);
        EXPECT_NEAR(item.chapters[i].endTime, double(i + 1), 0.05);
    }
    EXPECT_EQ(result.asset->loadChapterLocales(), QStringList())
        << "chapters without a language go the user's-languages way";
}

INSTANTIATE_TEST_SUITE_P(Containers, TaggedAudio,
                         ::testing::Values(ContainerCase{"mp3", PictureFormat::Jpeg, false},
                                           ContainerCase{"m4a", PictureFormat::Png, false},
                                           ContainerCase{"m4b", PictureFormat::Jpeg, false},
                                           ContainerCase{"flac", PictureFormat::Png, true},
                                           ContainerCase{"ogg", PictureFormat::Jpeg, true},
                                           ContainerCase{"opus", PictureFormat::Png, true},
                                           ContainerCase{"mka", PictureFormat::Jpeg, true},
                                           ContainerCase{"mka", PictureFormat::Png, true}),
                         [](const auto &paramInfo) {
                             return std::string(paramInfo.param.extension) +
                                    (paramInfo.param.cover == PictureFormat::Png ? "Png" : "Jpeg");
                         });

TEST(AudioWithoutChapters, GetsOneChapterNamedAfterTheFile)
{
    AudioOptions tagged = plainOptions(1.5);
    tagged.title = u"Tagged Wave"_s;
    tagged.artist = u"Someone"_s;
    for (const auto &[name, options] : {std::pair{u"Track 01.flac"_s, plainOptions(1.5)},
                                        std::pair{u"Book.Part.2.wav"_s, tagged}}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = MediaFixtures::cachedAudio(name, options);
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        const MediaItem item = inspect(path).item;
        const QString fileTitle = QFileInfo(name).completeBaseName();
        EXPECT_EQ(item.title, options.title.value_or(fileTitle));
        EXPECT_EQ(item.artist, options.artist.value_or(QString()));
        EXPECT_EQ(item.album, u""_s);
        EXPECT_FALSE(item.hasArtwork());
        ASSERT_EQ(item.chapters.size(), 1);
        EXPECT_EQ(item.chapters[0].title, fileTitle);
        EXPECT_EQ(item.chapters[0].startTime, 0);
        EXPECT_EQ(item.chapters[0].endTime, item.duration);
        EXPECT_NEAR(item.duration, 1.5, 0.05);
    }
}

TEST(TagNames, AlbumArtistIsNotTheArtistButAPerformerIs)
{
    AudioOptions albumArtistOnly = plainOptions(1);
    albumArtistOnly.extraTags = {{u"album_artist"_s, u"Various"_s}};
    const QString mp3 = MediaFixtures::cachedAudio(u"AlbumArtist.mp3"_s, albumArtistOnly);
    ASSERT_FALSE(mp3.isEmpty()) << qPrintable(MediaFixtures::lastError());
    EXPECT_EQ(inspect(mp3).item.artist, u""_s);

    AudioOptions performer = plainOptions(1);
    performer.extraTags = {{u"PERFORMER"_s, u"Soloist"_s}};
    const QString flac = MediaFixtures::cachedAudio(u"Performer.flac"_s, performer);
    ASSERT_FALSE(flac.isEmpty()) << qPrintable(MediaFixtures::lastError());
    EXPECT_EQ(inspect(flac).item.artist, u"Soloist"_s);
}

TEST(VideoTracks, OnlyMovingPicturesCount)
{
    for (const char *extension : {"mp4", "mkv", "webm"}) {
        SCOPED_TRACE(extension);
        const QString path = MediaFixtures::cachedVideo(u"Clip."_s + QLatin1String(extension));
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        const Inspection result = inspect(path);
        EXPECT_TRUE(result.asset->hasVideoTrack());
        EXPECT_TRUE(result.item.isVideo);
        EXPECT_NEAR(result.item.duration, 2.0, 0.1);
        EXPECT_FALSE(result.item.hasArtwork());
        EXPECT_EQ(titles(result.item.chapters), QStringList{u"Clip"_s});
    }

    // A cover some tools write into Matroska as a one-picture video track.
    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Jpeg}) {
        AudioOptions options = plainOptions(2);
        options.cover = Picture{QSize(32, 32), format};
        options.coverAsTrack = true;
        const QString path = MediaFixtures::cachedAudio(u"CoverTrack.mka"_s, options);
        ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
        EXPECT_FALSE(AvMediaAsset::open(path)->hasVideoTrack()) << int(format);
    }

    // An mp4-family audio file with chapters holds a chapter text stream besides the
    // audio, and nothing else.
    AudioOptions chaptersOnly = plainOptions(2);
    chaptersOnly.chapters = {{u"A"_s, 0, 1}, {u"B"_s, 1, 2}};
    const QString m4b = MediaFixtures::cachedAudio(u"Chapters.m4b"_s, chaptersOnly);
    ASSERT_FALSE(m4b.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const Inspection book = inspect(m4b);
    EXPECT_FALSE(book.asset->hasVideoTrack());
    EXPECT_EQ(titles(book.item.chapters), (QStringList{u"A"_s, u"B"_s}));
}

namespace {

// Opens a file as a pipe would: a FIFO blocks its reader until a writer comes.
bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

struct FileState
{
    bool exists = false;
    QByteArray hash;
    QDateTime modified;
    friend bool operator==(const FileState &, const FileState &) = default;
};

FileState stateOf(const QString &path)
{
    FileState state;
    const QFileInfo info(path);
    state.exists = info.exists();
    state.modified = info.lastModified();
    if (info.isFile() && info.size() < 10'000'000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            state.hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    }
    return state;
}

} // namespace

// Whatever the importer's extension filter lets through: never a crash or a hang,
// never a change to the file, always a record titled by the file name.
TEST(BadFiles, DegradeToAFileNameRecord)
{
    const QString dir = freshDirectory(u"bad-files"_s);
    const QString tagged =
        MediaFixtures::cachedAudio(u"Tagged.m4b"_s, fullOptions(PictureFormat::Jpeg));
    ASSERT_FALSE(tagged.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const auto at = [&](const char *name) { return dir + u'/' + QLatin1String(name); };

    // Nothing libav can use: every load fails.
    QStringList unreadable{at("Empty.mp3"),     at("Empty.flac"), at("Empty.m4b"),
                           at("Truncated.m4b"), at("Folder.mp3"), at("Missing.mp3"),
                           at("Pipe.mp3")};
    for (const QString &path : unreadable.mid(0, 3))
        ASSERT_TRUE(MediaFixtures::writeEmpty(path));
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(tagged, at("Truncated.m4b"), 4096));
    ASSERT_TRUE(QDir().mkpath(at("Folder.mp3")));
    ASSERT_TRUE(makeFifo(at("Pipe.mp3")));

    // Bytes a reader may make something of: only the record's shape is certain.
    QStringList noise{at("Noise.flac"), at("Noise.mp3"), at("Noise.m4b"), at("Noise.ogg")};
    for (qsizetype i = 0; i < noise.size(); ++i)
        ASSERT_TRUE(MediaFixtures::writeRandomBytes(noise[i], 64 * 1024, quint32(i + 1)));

    for (const QString &path : unreadable + noise) {
        SCOPED_TRACE(path.toStdString());
        const FileState before = stateOf(path);
        const Inspection result = inspect(path);
        const MediaItem &item = result.item;
        EXPECT_EQ(stateOf(path), before) << "inspection changed the file";

        EXPECT_EQ(item.title, QFileInfo(path).completeBaseName());
        EXPECT_FALSE(item.hasArtwork());
        EXPECT_FALSE(result.asset->hasVideoTrack());
        EXPECT_TRUE(std::isfinite(item.duration) && item.duration >= 0) << item.duration;
        for (const Chapter &chapter : item.chapters)
            EXPECT_TRUE(std::isfinite(chapter.startTime) && std::isfinite(chapter.endTime));

        if (unreadable.contains(path)) {
            EXPECT_FALSE(result.asset->isReadable());
            EXPECT_FALSE(result.asset->loadDuration());
            EXPECT_FALSE(result.asset->loadCommonMetadata());
            EXPECT_FALSE(result.asset->loadChapterLocales());
            EXPECT_FALSE(result.asset->loadChapterGroups({u"en"_s}));
            EXPECT_EQ(item.duration, 0);
            EXPECT_TRUE(item.chapters.isEmpty());
        }
    }
    EXPECT_EQ(inspect(at("Missing.mp3")).item.fileSize, 0);
    EXPECT_EQ(inspect(at("Empty.mp3")).item.fileSize, 0);
}

TEST(BadFiles, TruncatedMp3KeepsWhatItStillHolds)
{
    const QString full =
        MediaFixtures::cachedAudio(u"Tagged.mp3"_s, fullOptions(PictureFormat::Jpeg));
    ASSERT_FALSE(full.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const QString cut = freshDirectory(u"truncated-mp3"_s) + u"/Cut.mp3"_s;
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(full, cut, QFileInfo(full).size() * 2 / 3));

    const MediaItem item = inspect(cut).item;
    EXPECT_EQ(item.title, kTitle) << "the tags sit at the start of the file";
    EXPECT_TRUE(item.hasArtwork());
    EXPECT_GT(item.duration, 0);
    EXPECT_LE(item.duration, kSeconds + 0.1);
    EXPECT_EQ(item.chapters.size(), 3);
}

TEST(BadFiles, TimeLimitStopsTheRead)
{
    const QString path =
        MediaFixtures::cachedAudio(u"Tagged.mp3"_s, fullOptions(PictureFormat::Jpeg));
    ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
    EXPECT_FALSE(AvMediaAsset::open(path, std::chrono::milliseconds(0))->isReadable());
    EXPECT_TRUE(AvMediaAsset::open(path)->isReadable());
}

TEST(Paths, OddFileNamesOpenAndTitleTheRecord)
{
    const QString source = MediaFixtures::cachedAudio(u"Plain.mp3"_s, plainOptions(1));
    ASSERT_FALSE(source.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const QString dir = freshDirectory(u"odd-names"_s);
    const QStringList names{
        u"كتاب الصوت ١.mp3"_s, // right-to-left with Arabic-Indic digit
        u"Line\nbreak \"double\" 'single'.mp3"_s,
        u"http:not-a-url #1 ?x=%20.mp3"_s, // a protocol-like prefix and URL characters
        u"-starts with a dash.mp3"_s,
    };
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir + u'/' + name;
        ASSERT_TRUE(QFile::copy(source, path));
        const Inspection result = inspect(path);
        EXPECT_TRUE(result.asset->isReadable());
        EXPECT_NEAR(result.item.duration, 1.0, 0.1);
        EXPECT_EQ(result.item.title, QFileInfo(name).completeBaseName());
        EXPECT_EQ(titles(result.item.chapters), QStringList{result.item.title});
        EXPECT_EQ(result.item.fileSize, QFileInfo(source).size());
    }
}

// Qt decodes file names as UTF-8, so a name holding other bytes reaches us with
// replacement characters and names no file: the record still comes out whole.
TEST(Paths, NameBytesThatAreNotUtf8)
{
    const QString source = MediaFixtures::cachedAudio(u"Plain.mp3"_s, plainOptions(1));
    ASSERT_FALSE(source.isEmpty()) << qPrintable(MediaFixtures::lastError());
    const QByteArray dir = QFile::encodeName(freshDirectory(u"latin1-name"_s));
    const QByteArray rawPath = dir + "/caf\xe9.mp3";
    ASSERT_TRUE(QFile::copy(source, QFile::decodeName(dir) + u"/tmp.mp3"_s));
    ASSERT_EQ(::rename((dir + "/tmp.mp3").constData(), rawPath.constData()), 0);

    const Inspection result = inspect(QFile::decodeName(rawPath));
    EXPECT_TRUE(result.item.title.startsWith(u"caf"_s));
    EXPECT_FALSE(result.item.title.endsWith(u".mp3"_s));
    EXPECT_GE(result.item.duration, 0);
    ::unlink(rawPath.constData()); // QDir cannot list, so cannot remove, such a name
}

// Matroska and MP4 keep one title per chapter and no language; an ffmetadata file
// keeps chapter tags as written, so it stands in for a file with translated titles.
TEST(ChapterLanguages, TranslatedTitlesFollowTheFilesFirstLanguage)
{
    const QString path = freshDirectory(u"chapter-languages"_s) + u"/Translated.txt"_s;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(";FFMETADATA1\n"
               "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=5000\ntitle=Anfang\nlanguage=ger\n"
               "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=5000\ntitle=Beginning\nlanguage=eng\n"
               "[CHAPTER]\nTIMEBASE=1/1000\nSTART=5000\nEND=9000\ntitle=Ende\nlanguage=ger\n"
               "[CHAPTER]\nTIMEBASE=1/1000\nSTART=5000\nEND=9000\ntitle=End\nlanguage=eng\n");
    file.close();

    const auto asset = AvMediaAsset::open(path);
    ASSERT_TRUE(asset->isReadable());
    EXPECT_EQ(asset->loadChapterLocales(), (QStringList{u"de"_s, u"en"_s}));

    const auto english = asset->loadChapterGroups({u"en-GB"_s});
    ASSERT_TRUE(english);
    ASSERT_EQ(english->size(), 2);
    EXPECT_EQ(english->at(1).itemTexts.first(), u"End"_s);
    EXPECT_EQ(english->at(1).start, 5);
    EXPECT_EQ(english->at(1).duration, 4);

    // The file lists German first; the user's languages only matter for files that
    // name none.
    const QList<Chapter> chapters =
        ChapterExtractor::extractChapters(*asset, QUrl::fromLocalFile(path), {u"en"_s});
    EXPECT_EQ(titles(chapters), (QStringList{u"Anfang"_s, u"Ende"_s}));
}
