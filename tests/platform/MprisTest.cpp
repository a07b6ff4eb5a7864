// Lyrabox as an MPRIS2 player on a private session bus, driven by Debian's playerctl
// (the client the desktop's panels behave like) and by raw calls for the rules playerctl
// cannot reach.
#include "PlayerTestFixture.h"
#include "PrivateBus.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "platform/MprisService.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class MprisTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        if (!bus.ok())
            GTEST_SKIP() << "no private session bus (dbus-daemon)";
        if (QStandardPaths::findExecutable(u"playerctl"_s).isEmpty())
            GTEST_SKIP() << "playerctl is not installed";
        service.setArtDirectory(art.path());
        ASSERT_TRUE(service.registerOnBus());
        QList<MediaItem> queue = items(3);
        queue[0].title = u"Overture"_s;
        queue[0].artist = u"Orchestra"_s;
        queue[0].album = u"Evening"_s;
        queue[1].artwork = QByteArray("\x89PNG not really", 15);
        player.play(queue, 0);
        fake->completeDuration(120);
    }
    // playerctl's answer, the event loop running meanwhile (our service answers in it).
    QString ctl(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus.address());
        process.setProcessEnvironment(environment);
        process.start(u"playerctl"_s, QStringList{u"-p"_s, u"lyrabox"_s} + arguments);
        EXPECT_TRUE(TestSupport::waitUntil([&] { return process.state() == QProcess::NotRunning; }))
            << arguments.join(u' ').toStdString();
        QCoreApplication::processEvents();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    void call(const QString &method, const QVariantList &arguments,
              const QString &interface = u"org.mpris.MediaPlayer2.Player"_s)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            service.busName(), u"/org/mpris/MediaPlayer2"_s, interface, method);
        message.setArguments(arguments);
        bus.client().asyncCall(message);
        TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(100));
    }

    PrivateBus bus;
    QTemporaryDir art{TestSupport::scratchRoot() + u"/mpris-XXXXXX"_s};
    LibraryManager library{[](const QUrl &url, qint64) { return TestItems::makeItem(url.fileName()); }};
    int raised = 0;
    MprisService service{bus.client(), player, library, {[this] { ++raised; }, {}}};
};

// What playerctl asks and tells reaches the player as its own controls would.
TEST_F(MprisTest, PlayerctlDrivesAndReadsThePlayer)
{
    // Status and pause are driven on the real app by desktop_session_test.
    EXPECT_EQ(ctl({u"metadata"_s, u"--format"_s, u"{{title}}|{{artist}}|{{album}}|{{mpris:length}}"_s}),
              u"Overture|Orchestra|Evening|120000000"_s);
    ctl({u"next"_s});
    EXPECT_EQ(player.currentIndex(), 1);
    // A cover is written once into the cache and named by its URL.
    const QString artUrl = ctl({u"metadata"_s, u"mpris:artUrl"_s});
    EXPECT_TRUE(artUrl.startsWith(QUrl::fromLocalFile(art.path()).toString())) << artUrl.toStdString();
    EXPECT_EQ(QFile(QUrl(artUrl).toLocalFile()).size(), 15);
    ctl({u"previous"_s});
    EXPECT_EQ(player.currentIndex(), 0);
    fake->completeDuration(120);

    ctl({u"position"_s, u"10"_s});
    ASSERT_FALSE(state.seeks.isEmpty());
    EXPECT_DOUBLE_EQ(state.seeks.last().seconds(), 10.0);
    ctl({u"volume"_s, u"0.5"_s});
    EXPECT_FLOAT_EQ(player.volume(), 0.5f);
    ctl({u"loop"_s, u"Track"_s});
    ctl({u"shuffle"_s, u"On"_s});
    EXPECT_TRUE(player.repeatMode() == RepeatMode::one && player.shuffleEnabled());
    EXPECT_EQ(ctl({u"loop"_s}) + ctl({u"shuffle"_s}), u"TrackOn"_s);
}

// What playerctl does not exercise: a position for another track or outside this one is
// ignored, a seek past the end goes to the next item, a
// rate is held to 0.5-2.0, only local files open.
TEST_F(MprisTest, StalePositionsSeeksPastTheEndRatesAndAddresses)
{
    const qsizetype seeks = state.seeks.size();
    call(u"SetPosition"_s, {QVariant::fromValue(QDBusObjectPath(u"/io/github/lyrabox/track/0"_s)),
                            qlonglong(5e6)});
    call(u"SetPosition"_s, {QVariant::fromValue(MprisService::trackId(*player.currentItem())),
                            qlonglong(500e6)});
    EXPECT_EQ(state.seeks.size(), seeks);
    call(u"SetPosition"_s, {QVariant::fromValue(MprisService::trackId(*player.currentItem())),
                            qlonglong(30e6)});
    ASSERT_EQ(state.seeks.size(), seeks + 1);
    EXPECT_DOUBLE_EQ(state.seeks.last().seconds(), 30.0);
    call(u"Seek"_s, {qlonglong(200e6)});
    EXPECT_EQ(player.currentIndex(), 1);

    call(u"Set"_s,
         {u"org.mpris.MediaPlayer2.Player"_s, u"Rate"_s, QVariant::fromValue(QDBusVariant(3.0))},
         u"org.freedesktop.DBus.Properties"_s);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return player.playbackRate() == 2.0f; }));

    call(u"OpenUri"_s, {u"https://example.com/a.mp3"_s});
    call(u"OpenUri"_s, {u"file:///nowhere/a.mp3"_s});
    EXPECT_EQ(library.runningImports(), 0);
    EXPECT_TRUE(library.allItems().isEmpty());

    call(u"Raise"_s, {}, u"org.mpris.MediaPlayer2"_s);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return raised == 1; }));
}

} // namespace
