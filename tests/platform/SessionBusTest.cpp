// Lyrabox on a private session bus of the test's own: an MPRIS2 player driven by Debian's
// playerctl (the client the desktop's panels behave like) and by raw calls for the rules
// playerctl cannot reach; the screen saver held off, answered by a screen saver of the
// test's own; a launch's files handed to the running instance.
#include "PlayerTestFixture.h"
#include "PrivateBus.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "platform/MprisService.h"
#include "platform/ScreenSaverInhibitor.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <thread>

using namespace Qt::StringLiterals;
using TestSupport::waitUntil;

namespace {

// Lets the event loop run for `ms`, so that every call sent so far is answered.
void idle(int ms) { waitUntil([] { return false; }, std::chrono::milliseconds(ms)); }

class SessionBusTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        if (!bus.ok())
            GTEST_SKIP() << "no private session bus (dbus-daemon)";
    }
    PrivateBus bus;
};

class MprisTest : public SessionBusTest
{
protected:
    void SetUp() override
    {
        SessionBusTest::SetUp();
        if (IsSkipped())
            return;
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
        EXPECT_TRUE(waitUntil([&] { return process.state() == QProcess::NotRunning; }))
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
        idle(100);
    }

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
    EXPECT_TRUE(waitUntil([&] { return player.playbackRate() == 2.0f; }));

    call(u"OpenUri"_s, {u"https://example.com/a.mp3"_s});
    call(u"OpenUri"_s, {u"file:///nowhere/a.mp3"_s});
    EXPECT_EQ(library.runningImports(), 0);
    EXPECT_TRUE(library.allItems().isEmpty());

    call(u"Raise"_s, {}, u"org.mpris.MediaPlayer2"_s);
    EXPECT_TRUE(waitUntil([&] { return raised == 1; }));
}

// Hands out cookies and notes which are held.
class FakeScreenSaver : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QList<uint> held;
    uint next = 41;

public Q_SLOTS:
    uint Inhibit(const QString & /*application*/, const QString & /*reason*/)
    {
        held.append(++next);
        return next;
    }
    void UnInhibit(uint cookie) { held.removeOne(cookie); }
};

class ScreenSaverInhibitorTest : public SessionBusTest
{
protected:
    void SetUp() override
    {
        SessionBusTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(bus.service().registerObject(u"/org/freedesktop/ScreenSaver"_s, &saver,
                                                 QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.service().registerService(u"org.freedesktop.ScreenSaver"_s));
    }
    // The service's list, once every call sent so far has been answered.
    QList<uint> heldAfterCalls()
    {
        idle(150);
        return saver.held;
    }

    FakeScreenSaver saver;
};

// Taken once however often asked, given back when no longer wanted or when the holder
// goes; a request given up before its answer comes leaves nothing held.
TEST_F(ScreenSaverInhibitorTest, HoldsOneCookieAndGivesItBack)
{
    auto inhibitor = std::make_unique<ScreenSaverInhibitor>(bus.client());
    inhibitor->setInhibited(true);
    inhibitor->setInhibited(true);
    ASSERT_TRUE(waitUntil([&] { return inhibitor->cookie() != 0; }));
    EXPECT_EQ(heldAfterCalls(), QList<uint>{inhibitor->cookie()});
    inhibitor->setInhibited(false);
    EXPECT_TRUE(inhibitor->cookie() == 0 && heldAfterCalls().isEmpty());

    inhibitor->setInhibited(true);
    inhibitor->setInhibited(false);
    EXPECT_TRUE(heldAfterCalls().isEmpty());
    inhibitor->setInhibited(true);
    ASSERT_TRUE(waitUntil([&] { return inhibitor->cookie() != 0; }));
    inhibitor.reset();
    EXPECT_TRUE(heldAfterCalls().isEmpty());
}

// Held while a video plays; paused or an audio item: released. No service: nothing
// held, nothing breaks.
TEST_F(ScreenSaverInhibitorTest, FollowsAVideoPlaying)
{
    using Track = PlayerBackend::TrackType;
    ScreenSaverInhibitor inhibitor(bus.client());
    inhibitor.follow(player);
    player.play(items(2), 0);
    fake->completeTracks(QList<Track>{Track::Audio, Track::Video});
    ASSERT_TRUE(waitUntil([&] { return inhibitor.cookie() != 0; }));
    player.pause();
    EXPECT_TRUE(heldAfterCalls().isEmpty());
    player.resume();
    ASSERT_TRUE(waitUntil([&] { return inhibitor.cookie() != 0; }));
    player.playNext();
    fake->completeTracks(QList<Track>{Track::Audio, Track::CoverArt});
    EXPECT_TRUE(waitUntil([&] { return inhibitor.cookie() == 0; }));
    EXPECT_TRUE(heldAfterCalls().isEmpty());

    bus.service().unregisterService(u"org.freedesktop.ScreenSaver"_s);
    ScreenSaverInhibitor alone(bus.client());
    alone.setInhibited(true);
    EXPECT_TRUE(heldAfterCalls().isEmpty() && alone.cookie() == 0);
}

// Holds the instance's name and never answers, as a hung process would.
class HungInstance : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.lyrabox.Lyrabox")

public Q_SLOTS:
    void Open(const QStringList &) { setDelayedReply(true); }
};

// The hand-over itself is driven end to end by desktop_session_test; here the name is
// held once, nothing answers without a holder, and only local files are opened.
TEST_F(SessionBusTest, OneHolderOfTheInstanceNameOpensLocalFilesOnly)
{
    EXPECT_FALSE(SingleInstance::handOff(bus.client(), {QUrl::fromLocalFile(u"/music/a.mp3"_s)}));
    QList<QUrl> opened;
    SingleInstance running(bus.service(), [&](const QList<QUrl> &given) { opened = given; });
    ASSERT_TRUE(running.registerOnBus());
    EXPECT_FALSE(SingleInstance(bus.service(), {}).registerOnBus());
    running.Open({u"https://example.com/x.mp3"_s, u"file:///music/b.mp3"_s});
    EXPECT_EQ(opened, QList<QUrl>{QUrl(u"file:///music/b.mp3"_s)});
}

TEST_F(SessionBusTest, AHungHolderOfTheInstanceNameIsGivenUpOn)
{
    HungInstance hung;
    ASSERT_TRUE(bus.service().registerObject(u"/io/github/lyrabox/Lyrabox"_s, &hung,
                                             QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.service().registerService(u"io.github.lyrabox.Lyrabox"_s));
    QElapsedTimer waited;
    waited.start();
    bool handed = true;
    std::thread launch([&] {
        handed = SingleInstance::handOff(bus.client(), {}, std::chrono::milliseconds(400));
    });
    idle(600);
    launch.join();
    EXPECT_FALSE(handed);
    EXPECT_LT(waited.elapsed(), 3000);
}

} // namespace

#include "SessionBusTest.moc"
