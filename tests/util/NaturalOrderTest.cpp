// Text direction, naturalLessThan and the SmartSorter orders, through both the pairwise
// comparison and the key-based sorters (which must agree).
#include "TestItems.h"
#include "util/NaturalSortKeys.h"
#include "util/RTLSupport.h"
#include "util/SmartSorter.h"

#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <thread>
#include <unicode/locid.h>

using namespace Qt::StringLiterals;
using TestItems::makeItem;
using TestItems::titlesOf;

namespace {

// The left-to-right order follows ICU's default locale, which ICU takes from LANG: pin
// it before any thread makes its collators.
[[maybe_unused]] const bool pinnedLocale = [] {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
    return U_SUCCESS(status);
}();

// `value` (ASCII digits) in the digits of the script whose zero is `zero`.
QString inScript(const QString &value, char32_t zero)
{
    std::u32string out;
    for (QChar c : value)
        out.push_back(zero + char32_t(c.unicode() - u'0'));
    return QString::fromUcs4(out.data(), qsizetype(out.size()));
}

QList<QUuid> idsOf(const QList<MediaItem> &items)
{
    QList<QUuid> ids;
    std::ranges::transform(items, std::back_inserter(ids), &MediaItem::id);
    return ids;
}

TEST(IsRTL, CountsRightToLeftCodePointsAgainstLetters)
{
    const std::pair<QString, bool> cases[] = {
        {QString(), false}, {u"123 -_.!"_s, false}, {u"١٢٣"_s, true}, {u"שלום"_s, true},
        {u"Hello مرحبا"_s, false}, {u"Hi مرحبا"_s, true}, // a tie is left-to-right
        {u"Chapter ١٠"_s, false}, {u"Ch ١٠٠"_s, true}, {u"ܫܠܡܐ"_s, false}, {u"ދިވެހި"_s, false},
        {u"\uFB2A\uFB2B ש"_s, false}, {u"\uFEFB\uFEFC"_s, true}, // presentation forms
        {u"ab \u064E\u064F\u0650"_s, true}, // Arabic vowel marks count, other marks do not
        {u"e\u0301\u0301\u0301 مم"_s, true}, {u"\U0001D400\U0001D401 مرح"_s, true},
        {u"\U0001D400\U0001D401\U0001D402 مرح"_s, false}, {u"\xD800 م \xDC00"_s, true},
        {u"\U0001F600\U0001F600\U0001F600 م"_s, true}};
    for (const auto &[text, rtl] : cases)
        EXPECT_EQ(RTLSupport::isRTL(text), rtl) << text.toStdString();
}

// Sorts the titles by the key-based sorter and checks the pairwise one agrees.
QStringList naturalSorted(const QStringList &titles)
{
    QList<MediaItem> items;
    std::ranges::transform(titles, std::back_inserter(items), [](auto &t) { return makeItem(t); });
    const QStringList byKeys =
        titlesOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title));
    EXPECT_EQ(byKeys,
              titlesOf(SmartSorter::Pairwise::sortMediaItemsByText(items, &MediaItem::title)));
    return byKeys;
}

TEST(NaturalOrder, SortsIntoReadingOrder)
{
    const QStringList orders[] = {
        {u"Chapter 1"_s, u"chapter 2"_s, u"Chapter 10"_s}, {u"apple"_s, u"Banana"_s, u"cherry"_s},
        {u"كتاب 2"_s, u"كتاب 10"_s, u"Apple"_s, u"Zebra"_s}, // right-to-left first
        {u"ch1"_s, u"ch2x"_s, u"ch10a"_s}, {u"٢"_s, u"١٠٠"_s, u"9"_s, u"10"_s},
        {u"Track 007"_s, u"Track 9"_s, u"Track 010"_s}, {u"a1b2"_s, u"a1b10"_s, u"a2b1"_s},
        {u"x 9"_s, u"x 1٢"_s, u"x 13"_s}, // a run mixing digit scripts is one number
        {u"كتاب ٩"_s, u"كِتَاب ١٠"_s, u"كتاب ١١"_s},
        // After a shared leading digit, ICU's compare() misreads digits other than ASCII.
        {u"פרק ١٧"_s, u"פרק ١٠٠"_s}, {u"الفصل ۱۷"_s, u"الفصل ۱۰۰"_s},
        {u"Side १७"_s, u"Side १००"_s}, {u"Chapter 𝟏𝟕"_s, u"Chapter 𝟏𝟎𝟎"_s}};
    for (const QStringList &expected : orders) {
        SCOPED_TRACE(expected.join(u" < "_s).toStdString());
        QStringList input(expected.rbegin(), expected.rend());
        std::rotate(input.begin(), input.begin() + 1, input.end());
        EXPECT_EQ(naturalSorted(input), expected);
    }

    // Equal: what differs only in case, diacritics, digit script or leading zeros.
    const QString digits(300, u'7');
    for (const auto &[a, b] : {std::pair{u"apple"_s, u"APPLE"_s}, {u"كِتَاب"_s, u"كتاب"_s},
                               {u"Chapter 12"_s, u"Chapter ١٢"_s}, {u"الفصل ۱۲"_s, u"الفصل 12"_s},
                               {u"Track 007"_s, u"Track 7"_s},
                               {u"n "_s + digits, u"n 000"_s + inScript(digits, U'\u0966')}})
        EXPECT_TRUE(!naturalLessThan(a, b) && !naturalLessThan(b, a)) << a.toStdString();
}

// Numbers around ICU's 254-digit pieces, in several scripts, sort by value. Each direction
// gets digits that cannot change it (Arabic-Indic digits count as right-to-left).
TEST(NaturalOrder, LongNumbersSortByValueAtAnyLength)
{
    for (const auto &[stem, zeros] :
         {std::pair{u"Vol "_s, std::vector<char32_t>{U'0', U'\u0966', U'\uFF10', U'\U0001D7CE'}},
          {u"مجلد "_s, {U'0', U'\u0660', U'\u06F0'}}}) {
        std::mt19937 rng(254);
        QStringList expected; // in order of value; the last two differ only past 254 digits
        for (int length : {1, 2, 60, 253, 254, 255, 300, 507, 508, 509}) {
            for (const QString &value : {u"1"_s + QString(length - 1, u'0'), QString(length, u'5'),
                                         QString(length - 1, u'9') + u'8', QString(length, u'9')}) {
                const QString padded = QString(int(rng() % 3), u'0') + value;
                expected.append(stem + inScript(padded, zeros[rng() % zeros.size()]));
            }
        }
        expected.removeDuplicates(); // the one-digit "9"
        QStringList shuffled = expected;
        std::shuffle(shuffled.begin(), shuffled.end(), rng);
        EXPECT_EQ(naturalSorted(shuffled), expected) << stem.toStdString();
    }
}

// Whatever ICU's default locale (en_US_POSIX is LANG=C), case must not count and numbers
// compare by value.
TEST(NaturalOrder, AnyUserLocaleKeepsCaseInsensitiveNumericOrder)
{
    const icu::Locale pinned = icu::Locale::getDefault();
    for (const char *locale :
         {"en_US_POSIX", "de_DE", "sv_SE", "hi_IN", "fa_IR", "th_TH", "ar_EG"}) {
        SCOPED_TRACE(locale);
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(locale), status);
        // Collators are made per thread from the default locale of the moment.
        std::thread([] {
            EXPECT_EQ(naturalSorted({u"Banana"_s, u"apple"_s}),
                      (QStringList{u"apple"_s, u"Banana"_s}));
            EXPECT_EQ(naturalSorted({u"Chapter ۱۰۰"_s, u"chapter ۱۷"_s, u"Chapter 𝟏𝟎𝟎"_s,
                                     u"Chapter 𝟏𝟕"_s, u"Chapter 2"_s, u"Chapter 170"_s}),
                      (QStringList{u"Chapter 2"_s, u"chapter ۱۷"_s, u"Chapter 𝟏𝟕"_s,
                                   u"Chapter ۱۰۰"_s, u"Chapter 𝟏𝟎𝟎"_s, u"Chapter 170"_s}));
        }).join();
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(pinned, status);
}

// Ungrouped, right-to-left titles no longer lead: titles go in script order (digits,
// Latin, Hebrew, Arabic), numbers still by value.
TEST(NaturalOrder, UngroupedDirectionsInterleaveByScript)
{
    const QStringList titles{u"الفصل ١٠"_s, u"Zebra"_s, u"פרק 3"_s, u"apple 10"_s,
                             u"الفصل ٢"_s, u"Apple 9"_s, u"١٢ فصل"_s, u"10 Songs"_s,
                             u"אבג"_s, u"ألبوم"_s};
    QList<QUrl> urls;
    for (const QString &title : titles)
        urls.append(QUrl::fromLocalFile(u"/a/"_s + title + u".mp3"_s));
    // The pairwise sorter asks naturalLessThan, grouped or not.
    const std::pair<bool, QStringList> cases[] = {
        {true,
         {u"١٢ فصل"_s, u"ألبوم"_s, u"الفصل ٢"_s, u"الفصل ١٠"_s, u"אבג"_s, u"פרק 3"_s, u"10 Songs"_s,
          u"Apple 9"_s, u"apple 10"_s, u"Zebra"_s}},
        {false,
         {u"10 Songs"_s, u"١٢ فصل"_s, u"Apple 9"_s, u"apple 10"_s, u"Zebra"_s, u"אבג"_s, u"פרק 3"_s,
          u"ألبوم"_s, u"الفصل ٢"_s, u"الفصل ١٠"_s}}};
    for (const auto &[grouped, expected] : cases)
        for (const QList<QUrl> &sorted : {SmartSorter::sortURLs(urls, grouped),
                                          SmartSorter::Pairwise::sortURLs(urls, grouped)}) {
            QStringList names;
            for (const QUrl &url : sorted)
                names.append(MediaItem::titleFromURL(url));
            EXPECT_EQ(names, expected) << grouped;
        }
}

TEST(SmartSorter, ItemsFollowBatchRulesThenTitles)
{
    // Items as "title/sort index/album", expected titles.
    const std::pair<QString, QString> cases[] = {
        {u"Alpha/3 Zulu/1 Mike/2"_s, u"Zulu Mike Alpha"_s}, // one batch: by index
        {u"Apple/5/Live Zebra/0/Live"_s, u"Zebra Apple"_s}, // one album: index 0 first,
        {u"Apple/0/Live Zebra/-1/Live"_s, u"Zebra Apple"_s}, // but after a negative one
        {u"Zebra/0/Live Apple/5/Studio"_s, u"Apple Zebra"_s}, // else by title
        {u"Zebra/0 Apple/5"_s, u"Apple Zebra"_s},
        {u"Zebra/0/live Apple/5/Live"_s, u"Apple Zebra"_s},
        {u"b/1/A a/1/A"_s, u"a b"_s},
        {u"Yb/2 Xa/1 Xb/2 كتاب/2 Ya/1"_s, u"Xa Ya كتاب Xb Yb"_s}}; // batches interleave
    for (const auto &[input, expected] : cases) {
        SCOPED_TRACE(input.toStdString());
        QList<MediaItem> items;
        for (const QString &entry : input.split(u' ')) {
            const QStringList f = entry.split(u'/');
            items.append(makeItem(f[0], f[1].toLongLong(), f.value(2)));
        }
        EXPECT_EQ(titlesOf(SmartSorter::sortMediaItems(items)).join(u' '), expected);
        EXPECT_EQ(titlesOf(SmartSorter::Pairwise::sortMediaItems(items)).join(u' '), expected);
    }
}

TEST(SmartSorter, EqualTextsKeepTheirInputOrderAndURLsSortByFileName)
{
    const QList<MediaItem> items = {makeItem(u"abc"_s, 1), makeItem(u"Zed"_s, 1),
                                    makeItem(u"ABC"_s, 1), makeItem(u"Abc"_s, 1),
                                    makeItem(u"abc"_s, 1)};
    const QList<QUuid> in = idsOf(items);
    const QList<QUuid> expected = {in[0], in[2], in[3], in[4], in[1]};
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(items)), expected);
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title)), expected);

    // Without extension and folder; equal names keep their order.
    const auto url = [](const QString &path) { return QUrl::fromLocalFile(path); };
    EXPECT_EQ(SmartSorter::sortURLs({url(u"/b/Side 10.mp3"_s), url(u"/y/side 2.flac"_s),
                                     url(u"/z/الفصل ٣.m4b"_s), url(u"/x/Side 2.mp3"_s),
                                     url(u"/c/Side 1.ogg"_s)}),
              (QList<QUrl>{url(u"/z/الفصل ٣.m4b"_s), url(u"/c/Side 1.ogg"_s),
                           url(u"/y/side 2.flac"_s), url(u"/x/Side 2.mp3"_s),
                           url(u"/b/Side 10.mp3"_s)}));
}

// A library-sized random corpus (keys computed on two threads) of texts built to trip a
// collator: every sorter must give the pairwise order, also across batches, where the
// item rule is not a strict weak ordering and the result depends on every answer.
TEST(KeysAgreeWithPairwise, OnALargeRandomLibrary)
{
    static const QString words[] = {
        u"apple"_s, u"APPLE"_s, u"Äpfel"_s,  u"café"_s,       u"cafe"_s,   u"Side"_s,
        u"كتاب"_s,  u"كِتَاب"_s,  u"פרק"_s,    u"ܫܠܡܐ"_s,       u"नमस्ते"_s,   u"ß"_s,
        u"ss"_s,    u"-"_s,     u"\u0301"_s, u"\U0001F600"_s, u"\xD800"_s, u"ألبوم"_s};
    static const char32_t zeros[] = {U'0',      U'0',      U'\u0660',    U'\u06F0',
                                     U'\u0966', U'\uFF10', U'\U0001D7CE'};
    std::mt19937 rng(2);
    const auto pick = [&](qsizetype n) { return qsizetype(rng() % n); };
    QStringList seen{QString()};
    const auto text = [&] {
        if (pick(8) == 0)
            return seen[pick(seen.size())];
        QString made;
        for (qsizetype n = pick(6); n > 0; --n) {
            QString digits(pick(4) == 0 ? pick(3) : 0, u'0');
            for (qsizetype length = pick(5) == 0 ? 250 + pick(12) : 1 + pick(pick(3) ? 3 : 60);
                 length > 0; --length)
                digits += QChar(char16_t(u'0' + pick(10)));
            made += pick(2) ? words[pick(std::size(words))]
                            : inScript(digits, zeros[pick(std::size(zeros))]);
            made += pick(2) ? u" "_s : QString();
        }
        seen.append(made);
        return made;
    };
    QList<MediaItem> items;
    QList<QUrl> urls;
    qint64 batchIndex = 0;
    for (int i = 0; i < int(NaturalSortKeys::kParallelThreshold) + 2000; ++i) {
        batchIndex = pick(20) == 0 ? 1 : batchIndex + 1;
        items.append(makeItem(text(), pick(15) == 0 ? 0 : batchIndex,
                              pick(2) ? QString() : words[pick(18)]));
        items.last().artist = text();
        urls.append(
            QUrl::fromLocalFile(u"/lib/%1/"_s.arg(pick(4)) + items.last().title + u".mp3"_s));
    }
    const QList<QUuid> pairwise = idsOf(SmartSorter::Pairwise::sortMediaItems(items));
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(items)), pairwise);
    for (QString MediaItem::*field : {&MediaItem::title, &MediaItem::artist})
        EXPECT_EQ(idsOf(SmartSorter::sortMediaItemsByText(items, field)),
                  idsOf(SmartSorter::Pairwise::sortMediaItemsByText(items, field)));
    EXPECT_EQ(SmartSorter::sortURLs(urls), SmartSorter::Pairwise::sortURLs(urls));
    // Without grouping by direction too, where pairs of different directions go by keys.
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(items, false)),
              idsOf(SmartSorter::Pairwise::sortMediaItems(items, false)));
    EXPECT_EQ(SmartSorter::sortURLs(urls, false), SmartSorter::Pairwise::sortURLs(urls, false));
    // Sorting by move leaves other sharers of the list untouched.
    const QList<MediaItem> sharer = items;
    const QList<QUuid> unsorted = idsOf(items);
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(std::move(items))), pairwise);
    EXPECT_EQ(idsOf(sharer), unsorted);
}

} // namespace
