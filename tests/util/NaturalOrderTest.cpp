// naturalLessThan and the digit handling behind it, through both the pairwise
// comparison and the key-based sorters (which must agree).
#include "SortTestSupport.h"
#include "util/SmartSorter.h"

#include <QHash>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>
#include <thread>
#include <unicode/locid.h>

using namespace Qt::StringLiterals;
using namespace SortTestSupport;

namespace {

// Sorts the titles by the key-based sorter and checks the pairwise one agrees.
QStringList naturalSorted(const QStringList &titles)
{
    QList<MediaItem> items;
    for (const QString &t : titles)
        items.append(item(t));
    const QStringList byKeys =
        titlesOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title));
    EXPECT_EQ(byKeys,
              titlesOf(SmartSorter::Pairwise::sortMediaItemsByText(items, &MediaItem::title)));
    return byKeys;
}

bool equivalent(const QString &a, const QString &b)
{
    return !naturalLessThan(a, b) && !naturalLessThan(b, a);
}

struct OrderCase
{
    const char *name;
    QStringList expected; // the input is this list reversed and rotated
};

class NaturalOrder : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(NaturalOrder, SortsIntoReadingOrder)
{
    const QStringList &expected = GetParam().expected;
    QStringList input(expected.rbegin(), expected.rend());
    std::rotate(input.begin(), input.begin() + 1, input.end());
    EXPECT_EQ(naturalSorted(input), expected);
    for (qsizetype i = 0; i + 1 < expected.size(); ++i) {
        EXPECT_TRUE(naturalLessThan(expected[i], expected[i + 1])) << expected[i].toStdString();
        EXPECT_FALSE(naturalLessThan(expected[i + 1], expected[i])) << expected[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Titles, NaturalOrder,
    ::testing::Values(
        OrderCase{"CaseIgnoredNumbersByValue", {u"Chapter 1"_s, u"chapter 2"_s, u"Chapter 10"_s}},
        OrderCase{"LowerCaseBeforeLaterUpperCase", {u"apple"_s, u"Banana"_s, u"cherry"_s}},
        OrderCase{"RightToLeftFirst", {u"كتاب 2"_s, u"كتاب 10"_s, u"Apple"_s, u"Zebra"_s}},
        OrderCase{"DigitsTouchingLetters", {u"ch1"_s, u"ch2x"_s, u"ch10a"_s}},
        OrderCase{"TitlesOfDigitsOnly", {u"٢"_s, u"١٠٠"_s, u"9"_s, u"10"_s}},
        OrderCase{"LeadingZeros", {u"Track 007"_s, u"Track 9"_s, u"Track 010"_s}},
        OrderCase{"RunMixingScriptsIsOneNumber", {u"x 9"_s, u"x 1٢"_s, u"x 13"_s}},
        OrderCase{"ArabicDiacriticsIgnored", {u"كتاب ٩"_s, u"كِتَاب ١٠"_s, u"كتاب ١١"_s}},
        // A shared leading digit: ICU's compare() skips the common prefix and misreads
        // digits other than ASCII after it.
        OrderCase{"SharedLeadingArabicIndicDigit", {u"פרק ١٧"_s, u"פרק ١٠٠"_s}},
        OrderCase{"SharedLeadingPersianDigit", {u"الفصل ۱۷"_s, u"الفصل ۱۰۰"_s}},
        OrderCase{"SharedLeadingDevanagariDigit", {u"Side १७"_s, u"Side १००"_s}},
        OrderCase{"SharedLeadingAstralDigit", {u"Chapter 𝟏𝟕"_s, u"Chapter 𝟏𝟎𝟎"_s}},
        OrderCase{"SeveralNumbers", {u"a1b2"_s, u"a1b10"_s, u"a2b1"_s}}),
    SortTestSupport::CaseName());

TEST(NaturalLessThan, TreatsAsEqualWhatDiffersOnlyInCaseDiacriticsDigitScriptOrLeadingZeros)
{
    EXPECT_TRUE(equivalent(u"apple"_s, u"APPLE"_s));
    EXPECT_TRUE(equivalent(u"كِتَاب"_s, u"كتاب"_s));
    EXPECT_TRUE(equivalent(u"Chapter 12"_s, u"Chapter ١٢"_s));
    EXPECT_TRUE(equivalent(u"الفصل ۱۲"_s, u"الفصل 12"_s));
    EXPECT_TRUE(equivalent(u"Track 007"_s, u"Track 7"_s));
    const QString digits = QString(300, u'7');
    EXPECT_TRUE(equivalent(u"n "_s + digits, u"n 000"_s + inScript(digits, U'\u0966')));
    EXPECT_FALSE(equivalent(u"Track 7"_s, u"Track 8"_s));
}

// A book of chapter files numbered 1 to 300 in one digit script, titled in one
// language, in shuffled input order, as titles, as items and as files in several folders.
struct BookCase
{
    const char *name;
    QString stem;
    char32_t zero;
};

class NumberedBook : public ::testing::TestWithParam<BookCase>
{
};

TEST_P(NumberedBook, SortsInChapterOrder)
{
    QStringList expected;
    for (int n = 1; n <= 300; ++n)
        expected.append(GetParam().stem + inScript(QString::number(n), GetParam().zero));
    QStringList shuffled = expected;
    std::mt19937 rng(300);
    std::shuffle(shuffled.begin(), shuffled.end(), rng);

    EXPECT_EQ(naturalSorted(shuffled), expected);

    QList<MediaItem> items;
    QList<QUrl> urls;
    for (const QString &t : shuffled) {
        items.append(item(t, 0, u"Book"_s));
        urls.append(QUrl::fromLocalFile(u"/books/disc %1/"_s.arg(urls.size() % 3) + t + u".mp3"_s));
    }
    EXPECT_EQ(titlesOf(SmartSorter::sortMediaItems(items)), expected);
    QStringList names;
    for (const QUrl &url : SmartSorter::sortURLs(urls))
        names.append(MediaItem::titleFromURL(url));
    EXPECT_EQ(names, expected);
}

INSTANTIATE_TEST_SUITE_P(Scripts, NumberedBook,
                         ::testing::Values(BookCase{"LatinAscii", u"Chapter "_s, U'0'},
                                           BookCase{"LatinArabicIndic", u"Chapter "_s, U'\u0660'},
                                           BookCase{"LatinPersian", u"Chapter "_s, U'\u06F0'},
                                           BookCase{"ArabicAscii", u"الفصل "_s, U'0'},
                                           BookCase{"ArabicArabicIndic", u"الفصل "_s, U'\u0660'},
                                           BookCase{"ArabicPersian", u"فصل "_s, U'\u06F0'},
                                           BookCase{"HebrewAscii", u"פרק "_s, U'0'},
                                           BookCase{"HebrewArabicIndic", u"פרק "_s, U'\u0660'},
                                           BookCase{"DigitsOnlyArabicIndic", QString(), U'\u0660'},
                                           BookCase{"DigitsOnlyAscii", QString(), U'0'}),
                         SortTestSupport::CaseName());

// Numbers around and beyond ICU's 254-digit pieces, with leading zeros and in several
// scripts, must come out in order of value. Arabic-Indic digits count as right-to-left,
// so each direction gets titles whose digits cannot change it.
struct LongNumberCase
{
    const char *name;
    QString stem;
    std::vector<char32_t> zeros;
};

class LongNumbers : public ::testing::TestWithParam<LongNumberCase>
{
};

TEST_P(LongNumbers, SortByValueAtAnyLength)
{
    std::mt19937 rng(254);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    QStringList values = {u"1"_s + QString(254, u'0'), QString(254, u'9'),
                          QString(253, u'9'),          u"2"_s + QString(253, u'0'),
                          u"1"_s + QString(508, u'0'), QString(507, u'9'),
                          QString(600, u'0') + u"5"_s, u"4"_s};
    for (int i = 0; i < 150; ++i) {
        static const int lengths[] = {1,   2,   30,  45,  60,  252, 253,
                                      254, 255, 256, 300, 507, 508, 509};
        QString v = QString(pick(3), u'0');
        const int length = lengths[pick(std::size(lengths))];
        v.append(QChar(u'1' + pick(9)));
        for (int d = 1; d < length; ++d)
            v.append(QChar(u'0' + (pick(4) == 0 ? 9 : pick(10))));
        values.append(v);
    }
    const std::vector<char32_t> &zeros = GetParam().zeros;
    QStringList titles;
    QHash<QString, QString> valueOf;
    for (const QString &v : values) {
        const QString t = GetParam().stem + inScript(v, zeros[size_t(pick(int(zeros.size())))]);
        titles.append(t);
        valueOf.insert(t, v);
    }
    const QStringList sorted = naturalSorted(titles);
    for (qsizetype i = 0; i + 1 < sorted.size(); ++i)
        ASSERT_LE(compareByValue(valueOf[sorted[i]], valueOf[sorted[i + 1]]), 0)
            << valueOf[sorted[i]].size() << " digits before " << valueOf[sorted[i + 1]].size();
}

INSTANTIATE_TEST_SUITE_P(
    Directions, LongNumbers,
    ::testing::Values(
        LongNumberCase{"LeftToRight", u"Vol "_s, {U'0', U'\u0966', U'\uFF10', U'\U0001D7CE'}},
        LongNumberCase{"RightToLeft", u"مجلد "_s, {U'0', U'\u0660', U'\u06F0'}}),
    SortTestSupport::CaseName());

// The left-to-right collator comes from ICU's default locale; whatever it is, case
// must not count and numbers must compare by value.
class UserLocale : public ::testing::TestWithParam<const char *>
{
};

TEST_P(UserLocale, KeepsCaseInsensitiveNumericOrder)
{
    // Collators are made per thread from the default locale of the moment: use a fresh
    // thread, and put the pinned locale back afterwards.
    const icu::Locale pinned = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(GetParam()), status);
    QStringList sorted;
    bool appleFirst = false, bananaFirst = true;
    std::thread([&] {
        appleFirst = naturalLessThan(u"apple"_s, u"Banana"_s);
        bananaFirst = naturalLessThan(u"Banana"_s, u"apple"_s);
        QList<MediaItem> items;
        for (const QString &t : {u"Chapter ۱۰۰"_s, u"chapter ۱۷"_s, u"Chapter 𝟏𝟎𝟎"_s,
                                 u"Chapter 𝟏𝟕"_s, u"Chapter 2"_s, u"Chapter 170"_s})
            items.append(item(t));
        sorted = titlesOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title));
        const QStringList pairwise =
            titlesOf(SmartSorter::Pairwise::sortMediaItemsByText(items, &MediaItem::title));
        EXPECT_EQ(sorted, pairwise);
    }).join();
    icu::Locale::setDefault(pinned, status);

    EXPECT_TRUE(appleFirst);
    EXPECT_FALSE(bananaFirst);
    EXPECT_EQ(sorted, (QStringList{u"Chapter 2"_s, u"chapter ۱۷"_s, u"Chapter 𝟏𝟕"_s,
                                   u"Chapter ۱۰۰"_s, u"Chapter 𝟏𝟎𝟎"_s, u"Chapter 170"_s}));
}

// en_US_POSIX is what ICU makes of LANG=C or C.UTF-8.
INSTANTIATE_TEST_SUITE_P(Locales, UserLocale,
                         ::testing::Values("en_US_POSIX", "en_US", "de_DE", "sv_SE", "hi_IN",
                                           "fa_IR", "th_TH", "ar_EG"));

} // namespace
