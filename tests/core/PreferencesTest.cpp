// The stored preferences: defaults, the values written back after a restart, values
// written by hand, and a settings file that cannot be saved.
#include "core/Preferences.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

class PreferencesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"Lyrabox.conf"_s);

    void writeFile(const QByteArray &text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray fileText() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Nothing is written until a value is set; a value set reaches every instance on the
// same file at once, and a new run with its type.
TEST_F(PreferencesTest, ValuesReachEveryInstanceOnTheFileAndTheNextRun)
{
    Preferences window(path), engine(path), elsewhere(dir.filePath(u"other.conf"_s));
    EXPECT_EQ(engine.playbackRateInEffect(), 1.0);
    EXPECT_FALSE(QFileInfo::exists(path));
    QSignalSpy heard(&engine, &Preferences::skipSilenceChanged);
    window.setSkipSilence(true);
    window.setSkipSilence(true); // the same value again is no change
    EXPECT_TRUE(heard.count() == 1 && engine.skipSilence() && !elsewhere.skipSilence());
    window.setDefaultSortOrder(u"duration"_s);
    window.setGroupRTLFirst(false);
    window.setAutoPlayNext(false);
    window.setDefaultPlaybackRate(1.75);
    window.setDownloadAudioFormat(u"opus"_s);
    window.setDownloadVideoFormat(u"webm"_s);

    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value(u"defaultPlaybackRate"_s).toString(), u"1.75"_s);
    EXPECT_EQ(raw.value(u"skipSilence"_s).toString(), u"true"_s);
    Preferences again(path);
    EXPECT_EQ(again.defaultSortOrder(), u"duration"_s);
    EXPECT_FALSE(again.groupRTLFirst() || again.autoPlayNext() || !again.skipSilence());
    EXPECT_EQ(again.playbackRateInEffect(), 1.75);
    EXPECT_EQ(again.audioFormatInEffect(), u"opus"_s);
    EXPECT_EQ(again.videoFormatInEffect(), u"webm"_s);
}

TEST_F(PreferencesTest, ValuesWrittenByHandStayUntilAnOptionIsPicked)
{
    const QByteArray hand = "[General]\n"
                            "defaultSortOrder=dateAdded\n"
                            "groupRTLFirst=maybe\n"
                            "autoPlayNext=0\n"
                            "skipSilence=yes\n"
                            "defaultPlaybackRate=fast\n"
                            "downloadAudioFormat=flac, wav\n"
                            "downloadVideoFormat=MP4\n";
    writeFile(hand);
    Preferences prefs(path);
    EXPECT_EQ(prefs.defaultSortOrder(), u"dateAdded"_s);
    EXPECT_EQ(prefs.sortOrderInEffect(), u"natural"_s);
    // Flags that say neither true nor false read as their defaults, not as "any text".
    EXPECT_TRUE(prefs.groupRTLFirst() && prefs.autoPlayNext() && !prefs.skipSilence());
    EXPECT_TRUE(std::isnan(prefs.defaultPlaybackRate()));
    EXPECT_EQ(prefs.playbackRateInEffect(), 1.0);
    // A list is no option's value; a format in the wrong case is not "mp4".
    EXPECT_EQ(prefs.downloadAudioFormat(), QString());
    EXPECT_EQ(prefs.audioFormatInEffect(), u"m4a"_s);
    EXPECT_EQ(prefs.downloadVideoFormat(), u"MP4"_s);
    EXPECT_EQ(prefs.videoFormatInEffect(), u"mp4"_s);
    EXPECT_EQ(fileText(), hand);

    prefs.setDownloadVideoFormat(u"mkv"_s);
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value(u"downloadVideoFormat"_s).toString(), u"mkv"_s);
    EXPECT_EQ(raw.value(u"defaultSortOrder"_s).toString(), u"dateAdded"_s);
    EXPECT_EQ(raw.value(u"defaultPlaybackRate"_s).toString(), u"fast"_s);

    // A number the speed picker does not offer is shown, not applied.
    prefs.setDefaultPlaybackRate(3);
    EXPECT_EQ(prefs.defaultPlaybackRate(), 3.0);
    EXPECT_EQ(prefs.playbackRateInEffect(), 1.0);
}

TEST_F(PreferencesTest, UnwritableFileKeepsTheRunsValuesAndWarnsOnce)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    const QByteArray before = "[General]\nautoPlayNext=true\n";
    writeFile(before);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);

    testing::internal::CaptureStderr();
    {
        Preferences prefs(path);
        prefs.setAutoPlayNext(false);
        prefs.setDownloadAudioFormat(u"mp3"_s);
        EXPECT_FALSE(prefs.autoPlayNext());
    }
    Preferences later(path);
    EXPECT_FALSE(later.autoPlayNext());
    EXPECT_EQ(later.downloadAudioFormat(), u"mp3"_s);
    const std::string errors = testing::internal::GetCapturedStderr();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);

    EXPECT_EQ(fileText(), before);
    const size_t first = errors.find("cannot save the settings");
    EXPECT_NE(first, std::string::npos) << errors;
    EXPECT_EQ(errors.find("cannot save the settings", first + 1), std::string::npos) << errors;
}

} // namespace
