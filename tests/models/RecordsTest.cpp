#include "TestItems.h"
#include "models/Playlist.h"
#include "models/TimeText.h"

#include <QSet>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Every clock text the records show goes through TimeText: the item length, a
// chapter's start and length.
TEST(TimeText, ShortFormBelowAnHourLongFormFromItAndZeroForNoTime)
{
    const std::pair<double, QString> clocks[] = {
        {59.9, u"0:59"_s}, {3599.99, u"59:59"_s}, {3725, u"1:02:05"_s}, {360001, u"100:00:01"_s},
        {-5, u"0:00"_s}, {infinity, u"0:00"_s}, {std::nan(""), u"0:00"_s}, {1e300, u"0:00"_s}};
    for (const auto &[seconds, text] : clocks) {
        SCOPED_TRACE(seconds);
        EXPECT_EQ(TimeText::formatTime(seconds), text);
        MediaItem item;
        item.duration = seconds;
        EXPECT_EQ(item.formattedDuration(), text);
        EXPECT_EQ(Chapter(u"c"_s, seconds, seconds, 0).formattedStartTime(), text);
    }
    EXPECT_EQ(Chapter(u"b"_s, 3600, 7325, 1).formattedLength(), u"1:02:05"_s);
}

// An item is its id alone; a chapter counts every field and orders by start, then index.
TEST(Records, IdentityAndOrder)
{
    const MediaItem item = TestItems::makeItem(u"a"_s);
    MediaItem changed = item;
    changed.title = u"Changed"_s;
    EXPECT_TRUE(item == changed && qHash(item) == qHash(changed));
    EXPECT_EQ(QSet<MediaItem>({item, changed, TestItems::makeItem(u"a"_s)}).size(), 2);

    const Chapter a(u"One"_s, 10, 60, 5);
    Chapter zero(u"Zero"_s, 0, 60, 0), minusZero = zero;
    minusZero.startTime = -0.0;
    EXPECT_TRUE(zero == minusZero && qHash(zero) == qHash(minusZero));
    EXPECT_NE(a, Chapter(u"One"_s, 10, 60, 5)) << "same content, new id";
    EXPECT_TRUE(a < Chapter(u"y"_s, 20, 30, 0) && Chapter(u"z"_s, 10, 15, 2) < a && !(a < a));
}

TEST(Playlist, TotalDurationInWholeMinutes)
{
    const std::pair<QList<double>, QString> totals[] = {
        {{}, u"0m"_s}, {{59.9}, u"0m"_s}, {{1800, 1925}, u"1h 2m"_s},
        {{12 * 3600 + 30}, u"12h 0m"_s}, {{600, infinity}, u"0m"_s}};
    for (const auto &[lengths, text] : totals) {
        Playlist p;
        for (double length : lengths) {
            p.items.append(MediaItem());
            p.items.last().duration = length;
        }
        EXPECT_EQ(p.formattedTotalDuration(), text) << text.toStdString();
    }
}

} // namespace
