// Holding the screen saver off over a private session bus, answered by a screen saver
// of the test's own.
#include "PlayerTestFixture.h"
#include "PrivateBus.h"
#include "TestSupport.h"
#include "platform/ScreenSaverInhibitor.h"

#include <QDBusContext>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

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

class ScreenSaverInhibitorTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        if (!bus.ok())
            GTEST_SKIP() << "no private session bus (dbus-daemon)";
        ASSERT_TRUE(bus.service().registerObject(u"/org/freedesktop/ScreenSaver"_s, &saver,
                                                 QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.service().registerService(u"org.freedesktop.ScreenSaver"_s));
    }
    // The service's list, once every call sent so far has been answered.
    QList<uint> heldAfterCalls()
    {
        TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(150));
        return saver.held;
    }

    PrivateBus bus;
    FakeScreenSaver saver;
};

// Taken once however often asked, given back when no longer wanted or when the holder
// goes; a request given up before its answer comes leaves nothing held.
TEST_F(ScreenSaverInhibitorTest, HoldsOneCookieAndGivesItBack)
{
    auto inhibitor = std::make_unique<ScreenSaverInhibitor>(bus.client());
    inhibitor->setInhibited(true);
    inhibitor->setInhibited(true);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return inhibitor->cookie() != 0; }));
    EXPECT_EQ(heldAfterCalls(), QList<uint>{inhibitor->cookie()});
    inhibitor->setInhibited(false);
    EXPECT_TRUE(inhibitor->cookie() == 0 && heldAfterCalls().isEmpty());

    inhibitor->setInhibited(true);
    inhibitor->setInhibited(false);
    EXPECT_TRUE(heldAfterCalls().isEmpty());
    inhibitor->setInhibited(true);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return inhibitor->cookie() != 0; }));
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
    ASSERT_TRUE(TestSupport::waitUntil([&] { return inhibitor.cookie() != 0; }));
    player.pause();
    EXPECT_TRUE(heldAfterCalls().isEmpty());
    player.resume();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return inhibitor.cookie() != 0; }));
    player.playNext();
    fake->completeTracks(QList<Track>{Track::Audio, Track::CoverArt});
    EXPECT_TRUE(TestSupport::waitUntil([&] { return inhibitor.cookie() == 0; }));
    EXPECT_TRUE(heldAfterCalls().isEmpty());

    bus.service().unregisterService(u"org.freedesktop.ScreenSaver"_s);
    ScreenSaverInhibitor alone(bus.client());
    alone.setInhibited(true);
    EXPECT_TRUE(heldAfterCalls().isEmpty() && alone.cookie() == 0);
}

} // namespace

#include "ScreenSaverInhibitorTest.moc"
