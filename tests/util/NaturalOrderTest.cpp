// Text direction and naturalLessThan, through both the pairwise comparison and the
// key-based sorters (which must agree).
#include "SortTestSupport.h"
#include "util/RTLSupport.h"

#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>
#include <thread>
#include <unicode/locid.h>

using namespace Qt::StringLiterals;
using namespace SortTestSupport;

namespace {

// The left-to-right order follows ICU's default locale, which ICU takes from LANG: pin
// it before any test runs, hence before any thread makes its collators.
class PinnedCollationLocale : public ::testing::Environment
{
    void SetUp() override
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale("en_US"), status);
        ASSERT_TRUE(U_SUCCESS(status));
    }
};
[[maybe_unused]] ::testing::Environment *const pinnedLocale =
    ::testing::AddGlobalTestEnvironment(new PinnedCollationLocale);

TEST(IsRTL, CountsRightToLeftCodePointsAgainstLetters)
{
    const std::pair<QString, bool> cases[] = {
        {QString(), false}, {u"123 -_.!"_s, false}, {u"١٢٣"_s, true}, {u"۱۲۳"_s, true},
        {u"Hello مرحبا"_s, false}, // a tie is left-to-right
        {u"Hi مرحبا"_s, true}, {u"Chapter ١٠"_s, false}, {u"Ch ١٠٠"_s, true}, {u"שלום"_s, true},
        {u"\uFB2A\uFB2B ש"_s, false}, // Hebrew presentation forms
        {u"ܫܠܡܐ"_s, false}, {u"ދިވެހި"_s, false}, {u"\uFEFB\uFEFC"_s, true},
        {u"ab \u064E\u064F\u0650"_s, true}, // Arabic vowel marks count
        {u"e\u0301\u0301\u0301 مم"_s, true}, // combining marks that are not letters do not
        {u"\U0001D400\U0001D401 مرح"_s, true}, {u"\U0001D400\U0001D401\U0001D402 مرح"_s, false},
        {u"\U0001F600\U0001F600\U0001F600 م"_s, true}, {u"\xD800 م \xDC00"_s, true}};
    for (const auto &[text, rtl] : cases)
        EXPECT_EQ(RTLSupport::isRTL(text), rtl) << text.toStdString();
}

// Sorts the titles by the key-based sorter and checks the pairwise one agrees.
QStringList naturalSorted(const QStringList &titles)
{
    QList<MediaItem> items;
    for (const QString &t : titles)
        items.append(TestItems::makeItem(t));
    const QStringList byKeys = titlesOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title));
    EXPECT_EQ(byKeys, titlesOf(SmartSorter::Pairwise::sortMediaItemsByText(items, &MediaItem::title)));
    return byKeys;
}

TEST(NaturalOrder, SortsIntoReadingOrder)
{
    const QStringList orders[] = {
        {u"Chapter 1"_s, u"chapter 2"_s, u"Chapter 10"_s},
        {u"apple"_s, u"Banana"_s, u"cherry"_s},
        {u"كتاب 2"_s, u"كتاب 10"_s, u"Apple"_s, u"Zebra"_s}, // right-to-left first
        {u"ch1"_s, u"ch2x"_s, u"ch10a"_s},
        {u"٢"_s, u"١٠٠"_s, u"9"_s, u"10"_s},
        {u"Track 007"_s, u"Track 9"_s, u"Track 010"_s},
        {u"x 9"_s, u"x 1٢"_s, u"x 13"_s}, // a run mixing digit scripts is one number
        {u"كتاب ٩"_s, u"كِتَاب ١٠"_s, u"كتاب ١١"_s},
        // After a shared leading digit, ICU's compare() misreads digits other than ASCII.
        {u"פרק ١٧"_s, u"פרק ١٠٠"_s}, {u"الفصل ۱۷"_s, u"الفصل ۱۰۰"_s},
        {u"Side १७"_s, u"Side १००"_s}, {u"Chapter 𝟏𝟕"_s, u"Chapter 𝟏𝟎𝟎"_s},
        {u"a1b2"_s, u"a1b10"_s, u"a2b1"_s}};
    for (const QStringList &expected : orders) {
        SCOPED_TRACE(expected.join(u" < "_s).toStdString());
        QStringList input(expected.rbegin(), expected.rend());
        std::rotate(input.begin(), input.begin() + 1, input.end());
        EXPECT_EQ(naturalSorted(input), expected);
        for (qsizetype i = 0; i + 1 < expected.size(); ++i) {
            EXPECT_TRUE(naturalLessThan(expected[i], expected[i + 1])) << i;
            EXPECT_FALSE(naturalLessThan(expected[i + 1], expected[i])) << i;
        }
    }

    // Equal: what differs only in case, diacritics, digit script or leading zeros.
    const QString digits(300, u'7');
    for (const auto &[a, b] : {std::pair{u"apple"_s, u"APPLE"_s}, {u"كِتَاب"_s, u"كتاب"_s},
                               {u"Chapter 12"_s, u"Chapter ١٢"_s}, {u"الفصل ۱۲"_s, u"الفصل 12"_s},
                               {u"Track 007"_s, u"Track 7"_s},
                               {u"n "_s + digits, u"n 000"_s + inScript(digits, U'\u0966')}})
        EXPECT_TRUE(!naturalLessThan(a, b) && !naturalLessThan(b, a)) << a.toStdString();
}

// A book of chapter files numbered 1 to 300 in one digit script, shuffled, as titles,
// as items and as files in several folders.
TEST(NaturalOrder, NumberedBooksSortInChapterOrder)
{
    for (const auto &[stem, zero] : {std::pair{u"Chapter "_s, U'0'}, {u"Chapter "_s, U'\u0660'},
                                     {u"الفصل "_s, U'0'}, {u"فصل "_s, U'\u06F0'},
                                     {u"פרק "_s, U'\u0660'}, {QString(), U'\u0660'}}) {
        SCOPED_TRACE(stem.toStdString() + std::to_string(zero));
        QStringList expected;
        for (int n = 1; n <= 300; ++n)
            expected.append(stem + inScript(QString::number(n), zero));
        QStringList shuffled = expected;
        std::mt19937 rng(300);
        std::shuffle(shuffled.begin(), shuffled.end(), rng);
        EXPECT_EQ(naturalSorted(shuffled), expected);

        QList<MediaItem> items;
        QList<QUrl> urls;
        for (const QString &t : shuffled) {
            items.append(TestItems::makeItem(t, 0, u"Book"_s));
            urls.append(QUrl::fromLocalFile(u"/books/disc %1/"_s.arg(urls.size() % 3) + t + u".mp3"_s));
        }
        EXPECT_EQ(titlesOf(SmartSorter::sortMediaItems(items)), expected);
        QStringList names;
        for (const QUrl &url : SmartSorter::sortURLs(urls))
            names.append(MediaItem::titleFromURL(url));
        EXPECT_EQ(names, expected);
    }
}

// Numbers around and beyond ICU's 254-digit pieces, with leading zeros and in several
// scripts, come out in order of value. Arabic-Indic digits count as right-to-left, so
// each direction gets digits that cannot change it.
TEST(NaturalOrder, LongNumbersSortByValueAtAnyLength)
{
    const auto value = [](const QString &s) { // without leading zeros
        return QStringView(s).mid(s.indexOf(QRegularExpression(u"[^0]"_s)));
    };
    for (const auto &[stem, zeros] :
         {std::pair{u"Vol "_s, std::vector<char32_t>{U'0', U'\u0966', U'\uFF10', U'\U0001D7CE'}},
          {u"مجلد "_s, {U'0', U'\u0660', U'\u06F0'}}}) {
        std::mt19937 rng(254);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        QStringList values = {u"1"_s + QString(254, u'0'), QString(254, u'9'), QString(253, u'9'),
                              u"2"_s + QString(253, u'0'), u"1"_s + QString(508, u'0'),
                              QString(507, u'9'), QString(600, u'0') + u"5"_s, u"4"_s};
        for (int i = 0; i < 150; ++i) {
            static const int lengths[] = {1, 2, 30, 60, 252, 253, 254, 255, 256, 300, 507, 508, 509};
            QString v = QString(pick(3), u'0') + QChar(u'1' + pick(9));
            for (int d = lengths[pick(std::size(lengths))]; d > 1; --d)
                v.append(QChar(u'0' + (pick(4) == 0 ? 9 : pick(10))));
            values.append(v);
        }
        QStringList titles;
        QHash<QString, QString> valueOf;
        for (const QString &v : values) {
            titles.append(stem + inScript(v, zeros[size_t(pick(int(zeros.size())))]));
            valueOf.insert(titles.last(), v);
        }
        const QStringList sorted = naturalSorted(titles);
        for (qsizetype i = 0; i + 1 < sorted.size(); ++i) {
            const QStringView a = value(valueOf[sorted[i]]), b = value(valueOf[sorted[i + 1]]);
            ASSERT_TRUE(a.size() < b.size() || (a.size() == b.size() && a <= b))
                << stem.toStdString() << ": " << a.size() << " digits before " << b.size();
        }
    }
}

// The left-to-right collator comes from ICU's default locale; whatever it is, case
// must not count and numbers must compare by value. en_US_POSIX is what ICU makes of
// LANG=C or C.UTF-8.
TEST(NaturalOrder, AnyUserLocaleKeepsCaseInsensitiveNumericOrder)
{
    const icu::Locale pinned = icu::Locale::getDefault();
    for (const char *locale : {"en_US_POSIX", "de_DE", "sv_SE", "hi_IN", "fa_IR", "th_TH", "ar_EG"}) {
        SCOPED_TRACE(locale);
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(locale), status);
        // Collators are made per thread from the default locale of the moment.
        std::thread([] {
            EXPECT_TRUE(naturalLessThan(u"apple"_s, u"Banana"_s));
            EXPECT_FALSE(naturalLessThan(u"Banana"_s, u"apple"_s));
            EXPECT_EQ(naturalSorted({u"Chapter ۱۰۰"_s, u"chapter ۱۷"_s, u"Chapter 𝟏𝟎𝟎"_s,
                                     u"Chapter 𝟏𝟕"_s, u"Chapter 2"_s, u"Chapter 170"_s}),
                      (QStringList{u"Chapter 2"_s, u"chapter ۱۷"_s, u"Chapter 𝟏𝟕"_s,
                                   u"Chapter ۱۰۰"_s, u"Chapter 𝟏𝟎𝟎"_s, u"Chapter 170"_s}));
        }).join();
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(pinned, status);
}

} // namespace
