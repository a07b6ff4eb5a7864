// mpv refuses to start under a locale whose decimal separator is not '.', which the
// application object takes from the environment. This runs in its own process because
// it changes the process locale.
#include "MediaFixtures.h"
#include "TestSupport.h"
#include "media/MpvPlayerBackend.h"

#include <QDir>
#include <QProcess>
#include <clocale>
#include <gtest/gtest.h>
#include <mpv/client.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Makes a German locale available to this process, compiling it into the scratch
// directory when the system has not generated it.
bool useGermanLocale()
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
        return true;
    const QString dir = TestSupport::scratchRoot() + u"/locales"_s;
    if (QDir().mkpath(dir) && !QDir(dir + u"/de_DE.UTF-8"_s).exists())
        QProcess::execute(u"localedef"_s,
                          {u"-i"_s, u"de_DE"_s, u"-f"_s, u"UTF-8"_s, dir + u"/de_DE.UTF-8"_s});
    qputenv("LOCPATH", dir.toLocal8Bit()); // read by glibc at every setlocale()
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

} // namespace

TEST(MpvLocale, PlayerStartsUnderAGermanLocale)
{
    ASSERT_TRUE(useGermanLocale()) << "localedef could not make de_DE.UTF-8";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    // The condition is real: a bare mpv core refuses it.
    mpv_handle *bare = mpv_create();
    EXPECT_EQ(bare, nullptr);
    if (bare)
        mpv_terminate_destroy(bare);

    MpvPlayerBackend::Options options;
    options.audioOutput = "null";
    options.videoOutput = "null";
    MpvPlayerBackend backend(options);
    ASSERT_TRUE(backend.isValid());

    double reported = -1;
    backend.addPeriodicTimeObserver({150, 600}, [&](double seconds) { reported = seconds; });
    double length = 0;
    const auto item =
        backend.replaceCurrentItem(QUrl::fromLocalFile(MediaFixtures::cachedTone(2)));
    backend.loadDuration(item,
                         [&](std::optional<double> seconds) { length = seconds.value_or(-1); });
    backend.play();
    EXPECT_TRUE(TestSupport::waitUntil([&] { return reported > 0.2; }, 10s));
    EXPECT_NEAR(length, 2.0, 0.1) << "numbers are read with '.', whatever the locale";
}
