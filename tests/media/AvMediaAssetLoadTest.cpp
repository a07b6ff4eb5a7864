// Inspection around the run-time load of libavformat. Each case runs in a child
// process of this test program, where nothing has loaded the library yet.
#include "media/AvApi.h"
#include "media/AvMediaAsset.h"

#include "MediaFixtures.h"
#include "core/MediaItemFactory.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Set in the child: the file to inspect.
QString childFile()
{
    return qEnvironmentVariable("LYRABOX_AV_LOAD_FILE");
}

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

} // namespace

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
