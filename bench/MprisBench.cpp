// mpris-metadata-ms: from play() to playerctl (following the metadata on a private
// session bus) printing the new title, against the same client seeing a bare
// PropertiesChanged signal sent straight onto the bus (the bus and playerctl alone).
// Usage: bench_mpris   (needs dbus-daemon and playerctl)
#include "FakePlayerBackend.h"
#include "PrivateBus.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "platform/MprisService.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "mpris benchmark: %s\n", what);
    std::exit(1);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// playerctl --follow: the lines it prints as they come.
class Follower
{
public:
    explicit Follower(const QString &busAddress)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, busAddress);
        m_process.setProcessEnvironment(environment);
        m_process.start(u"playerctl"_s, {u"-p"_s, u"lyrabox"_s, u"--follow"_s, u"metadata"_s, u"title"_s});
        if (!m_process.waitForStarted())
            fail("playerctl did not start");
    }
    ~Follower()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // Milliseconds from `action` until playerctl prints `title`.
    template <typename Action> double timeUntil(const QString &title, Action &&action)
    {
        QElapsedTimer timer;
        timer.start();
        action();
        const bool seen = TestSupport::waitUntil([&] {
            while (m_process.canReadLine()) {
                if (QString::fromUtf8(m_process.readLine()).trimmed() == title)
                    return true;
            }
            return false;
        }, std::chrono::seconds(5));
        if (!seen)
            fail("playerctl never printed the title");
        return timer.nsecsElapsed() / 1e6;
    }

private:
    QProcess m_process;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (QStandardPaths::findExecutable(u"playerctl"_s).isEmpty())
        fail("playerctl is not installed");
    PrivateBus bus;
    if (!bus.ok())
        fail("no private session bus (dbus-daemon)");

    FakePlayerBackend::State state;
    MediaPlayerManager player([&] { return std::make_unique<FakePlayerBackend>(state); });
    LibraryManager library([](const QUrl &url, qint64) { return TestItems::makeItem(url.fileName()); });
    MprisService service(bus.service(), player, library, {});
    if (!service.registerOnBus())
        fail("the player could not take its name");
    QList<MediaItem> items;
    for (int i = 0; i < 64; ++i)
        items.append(TestItems::makeItem(u"Title %1"_s.arg(i)));
    player.play(items, 0);

    Follower follower(bus.address());
    TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(500));
    std::vector<double> value, baseline;
    for (int i = 1; i < 32; ++i) {
        value.push_back(follower.timeUntil(items[i].title, [&] { player.play(items, i); }));
        // The bare signal, as any MPRIS player would send it.
        const QString bare = u"Bare %1"_s.arg(i);
        baseline.push_back(follower.timeUntil(bare, [&] {
            QDBusMessage signal = QDBusMessage::createSignal(
                u"/org/mpris/MediaPlayer2"_s, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s);
            signal << u"org.mpris.MediaPlayer2.Player"_s
                   << QVariantMap{{u"Metadata"_s, QVariantMap{{u"xesam:title"_s, bare}}}} << QStringList();
            bus.service().send(signal);
        }));
    }
    const double v = median(value), b = median(baseline);
    std::printf("BENCH mpris-metadata-ms value=%.3f unit=ms baseline=%.3f ratio=%.3f\n", v, b,
                b > 0 ? v / b : 0.0);
    return 0;
}
