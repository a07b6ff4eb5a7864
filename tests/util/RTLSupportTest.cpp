#include "util/RTLSupport.h"

#include "SortTestSupport.h"

#include <QString>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct DirectionCase
{
    const char *name;
    QString text;
    bool rtl;
};

class IsRTL : public ::testing::TestWithParam<DirectionCase>
{
};

TEST_P(IsRTL, CountsRightToLeftCodePointsAgainstLetters)
{
    EXPECT_EQ(RTLSupport::isRTL(GetParam().text), GetParam().rtl);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IsRTL,
    ::testing::Values(
        DirectionCase{"Empty", QString(), false},
        DirectionCase{"AsciiDigitsCountForNeither", u"123"_s, false},
        DirectionCase{"SpacesAndPunctuation", u"  -_.!"_s, false},
        DirectionCase{"ArabicIndicDigits", u"١٢٣"_s, true},
        DirectionCase{"PersianDigits", u"۱۲۳"_s, true},
        DirectionCase{"TieIsLeftToRight", u"Hello مرحبا"_s, false},
        DirectionCase{"MoreArabicThanLatin", u"Hi مرحبا"_s, true},
        DirectionCase{"LatinTitleWithArabicDigits", u"Chapter ١٠"_s, false},
        DirectionCase{"ArabicDigitsOutnumberShortWord", u"Ch ١٠٠"_s, true},
        DirectionCase{"Hebrew", u"שלום"_s, true},
        DirectionCase{"HebrewPresentationFormsAreLeftToRight", u"\uFB2A\uFB2B ש"_s, false},
        DirectionCase{"SyriacIsLeftToRight", u"ܫܠܡܐ"_s, false},
        DirectionCase{"ThaanaIsLeftToRight", u"ދިވެހި"_s, false},
        DirectionCase{"ArabicPresentationForms", u"\uFEFB\uFEFC"_s, true},
        DirectionCase{"ArabicVowelMarksCountAsRightToLeft", u"ab \u064E\u064F\u0650"_s, true},
        // Combining marks that are not Alphabetic count for neither side.
        DirectionCase{"LatinCombiningMarksDoNotCount", u"e\u0301\u0301\u0301 مم"_s, true},
        // Astral letters are one code point each, not two UTF-16 units.
        DirectionCase{"AstralLettersCountOnce", u"\U0001D400\U0001D401 مرح"_s, true},
        DirectionCase{"AstralLettersTie", u"\U0001D400\U0001D401\U0001D402 مرح"_s, false},
        DirectionCase{"EmojiCountForNeither", u"\U0001F600\U0001F600\U0001F600 م"_s, true},
        DirectionCase{"LoneSurrogatesAreHarmless", u"\xD800 م \xDC00"_s, true}),
    SortTestSupport::CaseName());

} // namespace
