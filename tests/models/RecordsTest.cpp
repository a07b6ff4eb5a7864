#include "models/Chapter.h"
#include "models/MediaItem.h"
#include "models/Playlist.h"
#include "models/TimeText.h"

#include <QSet>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

MediaItem itemOf(double duration)
{
    MediaItem item;
    item.duration = duration;
    return item;
}

} // namespace

TEST(TimeText, ShortAndLongForms)
{
    EXPECT_EQ(TimeText::formatTime(0), u"0:00"_s);
    EXPECT_EQ(TimeText::formatTime(59.9), u"0:59"_s);
    EXPECT_EQ(TimeText::formatTime(75), u"1:15"_s);
    EXPECT_EQ(TimeText::formatTime(3599.99), u"59:59"_s);
    EXPECT_EQ(TimeText::formatTime(3600), u"1:00:00"_s);
    EXPECT_EQ(TimeText::formatTime(3725), u"1:02:05"_s);
    EXPECT_EQ(TimeText::formatTime(36000 * 10 + 1), u"100:00:01"_s);
}

TEST(TimeText, ValuesWithoutATimeReadAsZero)
{
    for (double v : {std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), -5.0, 1e300}) {
        EXPECT_EQ(TimeText::formatTime(v), u"0:00"_s) << v;
        EXPECT_EQ(TimeText::formatTotal(v), u"0m"_s) << v;
    }
}

TEST(MediaItem, IdentityIsTheIdAlone)
{
    MediaItem a;
    a.url = QUrl::fromLocalFile(u"/music/a.mp3"_s);
    MediaItem b = a;
    b.title = u"Changed"_s;
    EXPECT_EQ(a, b);
    EXPECT_EQ(qHash(a), qHash(b));

    MediaItem c;
    c.url = a.url;
    EXPECT_NE(a, c);
    EXPECT_EQ(QSet<MediaItem>({a, b, c}).size(), 2);
}

TEST(MediaItem, KindAndTitleFromFileName)
{
    EXPECT_TRUE(MediaItem::isVideoExtension(u"Clip.MKV"_s));
    EXPECT_TRUE(MediaItem::isVideoExtension(u"a.m4v"_s));
    EXPECT_FALSE(MediaItem::isVideoExtension(u"clip.mpeg"_s));
    EXPECT_FALSE(MediaItem::isVideoExtension(u"clip.ts"_s));
    EXPECT_FALSE(MediaItem::isVideoExtension(u"mp4"_s));
    EXPECT_EQ(MediaItem::titleFromURL(QUrl::fromLocalFile(u"/b/Book.Part.2.m4b"_s)),
              u"Book.Part.2"_s);
    EXPECT_EQ(MediaItem::titleFromURL(QUrl::fromLocalFile(u"/b/Track 01.flac"_s)), u"Track 01"_s);
    EXPECT_EQ(MediaItem::titleFromURL(QUrl::fromLocalFile(u"/b/noext"_s)), u"noext"_s);
}

TEST(MediaItem, FormattedDuration)
{
    EXPECT_EQ(itemOf(0).formattedDuration(), u"0:00"_s);
    EXPECT_EQ(itemOf(3600).formattedDuration(), u"1:00:00"_s);
    EXPECT_EQ(itemOf(std::numeric_limits<double>::infinity()).formattedDuration(), u"0:00"_s);
}

TEST(Chapter, EqualityComparesEveryField)
{
    Chapter a(u"One"_s, 0, 60, 0);
    Chapter b = a;
    EXPECT_EQ(a, b);
    EXPECT_EQ(qHash(a), qHash(b));
    b.title = u"Two"_s;
    EXPECT_NE(a, b);

    Chapter c(u"One"_s, 0, 60, 0); // same content, new id
    EXPECT_NE(a, c);

    Chapter negZero = a;
    negZero.startTime = -0.0;
    EXPECT_EQ(a, negZero);
    EXPECT_EQ(qHash(a), qHash(negZero));
}

TEST(Chapter, OrdersByStartThenIndex)
{
    Chapter early(u"x"_s, 10, 20, 5);
    Chapter late(u"y"_s, 20, 30, 0);
    Chapter sameStartLowIndex(u"z"_s, 10, 15, 2);
    EXPECT_LT(early, late);
    EXPECT_LT(sameStartLowIndex, early);
    EXPECT_FALSE(early < early);
    EXPECT_LE(early, early);
    EXPECT_GT(late, early);
}

TEST(Chapter, Texts)
{
    Chapter first(u"a"_s, 0, 75, 0);
    EXPECT_EQ(first.formattedStartTime(), u"0:00"_s);
    EXPECT_EQ(first.formattedLength(), u"1:15"_s);
    Chapter second(u"b"_s, 3600, 7325, 1);
    EXPECT_EQ(second.formattedStartTime(), u"1:00:00"_s);
    EXPECT_EQ(second.formattedLength(), u"1:02:05"_s);
}

TEST(Playlist, TotalDurationAndIdentity)
{
    Playlist p;
    EXPECT_EQ(p.formattedTotalDuration(), u"0m"_s);
    p.items = {itemOf(59.9)};
    EXPECT_EQ(p.formattedTotalDuration(), u"0m"_s);
    p.items = {itemOf(1800), itemOf(1925)};
    EXPECT_EQ(p.formattedTotalDuration(), u"1h 2m"_s);
    p.items = {itemOf(12 * 3600 + 30)};
    EXPECT_EQ(p.formattedTotalDuration(), u"12h 0m"_s);
    p.items = {itemOf(600), itemOf(std::numeric_limits<double>::infinity())};
    EXPECT_EQ(p.formattedTotalDuration(), u"0m"_s);

    Playlist renamed = p;
    renamed.name = u"Other"_s;
    EXPECT_EQ(renamed, p);
    EXPECT_NE(Playlist(), p);
}
