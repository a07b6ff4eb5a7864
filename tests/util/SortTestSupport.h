#pragma once

#include "TestItems.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <random>

// Helpers of the natural-order tests.
namespace SortTestSupport {

// `value` (ASCII decimal digits) written with the digits of the script whose zero is
// `zero` (U+0030, U+0660, U+06F0, U+1D7CE, ...).
QString inScript(const QString &value, char32_t zero);

// Negative, zero or positive as decimal numbers a and b (ASCII digits, leading zeros
// allowed) compare by value.
int compareByValue(const QString &a, const QString &b);

// Random texts built to trip a collator: Latin, Arabic (with and without vowel marks),
// Hebrew, Syriac and Devanagari words in varied case; numbers in several digit scripts
// with leading zeros, from one digit to more than ICU's 254-digit pieces, and runs mixing
// scripts; punctuation, combining marks, emoji, lone surrogates, empty texts, and
// repeats of earlier texts.
class RandomTexts
{
public:
    explicit RandomTexts(unsigned seed) : m_rng(seed) {}
    QString next();
    QStringList take(int count);
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    std::mt19937 &rng() { return m_rng; }

private:
    QString number();
    std::mt19937 m_rng;
    QStringList m_seen;
};

using TestItems::titlesOf;
inline MediaItem item(const QString &title, qint64 sortIndex = 0, const QString &album = {})
{
    return TestItems::makeItem(title, sortIndex, album);
}

// Names parameterised cases after the `name` field of their parameter.
struct CaseName
{
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case> &param) const
    {
        return param.param.name;
    }
};

} // namespace SortTestSupport
