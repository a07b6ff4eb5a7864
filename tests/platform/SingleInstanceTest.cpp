// Handing a launch's files to the running instance over a private session bus.
#include "PrivateBus.h"
#include "TestSupport.h"
#include "platform/SingleInstance.h"

#include <QDBusContext>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

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
TEST(SingleInstanceTest, OneHolderOfTheNameOpensLocalFilesOnly)
{
    PrivateBus bus;
    if (!bus.ok())
        GTEST_SKIP() << "no private session bus (dbus-daemon)";
    EXPECT_FALSE(SingleInstance::handOff(bus.client(), {QUrl::fromLocalFile(u"/music/a.mp3"_s)}));
    QList<QUrl> opened;
    SingleInstance running(bus.service(), [&](const QList<QUrl> &given) { opened = given; });
    ASSERT_TRUE(running.registerOnBus());
    EXPECT_FALSE(SingleInstance(bus.service(), {}).registerOnBus());
    running.Open({u"https://example.com/x.mp3"_s, u"file:///music/b.mp3"_s});
    EXPECT_EQ(opened, QList<QUrl>{QUrl(u"file:///music/b.mp3"_s)});
}

TEST(SingleInstanceTest, AHungHolderOfTheNameIsGivenUpOn)
{
    PrivateBus bus;
    if (!bus.ok())
        GTEST_SKIP() << "no private session bus (dbus-daemon)";
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
    TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(600));
    launch.join();
    EXPECT_FALSE(handed);
    EXPECT_LT(waited.elapsed(), 3000);
}

} // namespace

#include "SingleInstanceTest.moc"
