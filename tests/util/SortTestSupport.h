#pragma once

// Helpers of the natural-order tests.
#include "TestItems.h"
#include "util/SmartSorter.h"

#include <QStringList>
#include <random>

namespace SortTestSupport {

using TestItems::titlesOf;

// `value` (ASCII decimal digits) written with the digits of the script whose zero is
// `zero` (U+0030, U+0660, U+06F0, U+1D7CE, ...).
inline QString inScript(const QString &value, char32_t zero)
{
    std::u32string out;
    for (QChar c : value)
        out.push_back(zero + char32_t(c.unicode() - u'0'));
    return QString::fromUcs4(out.data(), qsizetype(out.size()));
}

// Random texts built to trip a collator: words of several scripts in varied case and
// with marks; numbers in several digit scripts, with leading zeros, from one digit to
// past ICU's 254-digit pieces, and runs mixing scripts; punctuation, emoji, lone
// surrogates, empty texts, and repeats of earlier texts.
class RandomTexts
{
public:
    explicit RandomTexts(unsigned seed) : m_rng(seed) {}
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QString next()
    {
        static const char16_t *const words[] = {
            u"apple", u"Apple", u"APPLE", u"Äpfel", u"café", u"cafe",   u"Chapter", u"chapter",
            u"Side",  u"كتاب",  u"كِتَاب",  u"الفصل", u"سلام", u"פרק",    u"שלום",    u"ܫܠܡܐ",
            u"नमस्ते", u"ß",     u"ss",    u" ",     u"-",    u"\u0301", u"\U0001F600", u"\xD800"};
        if (!m_seen.isEmpty() && pick(8) == 0)
            return m_seen[pick(int(m_seen.size()))];
        QString text;
        for (int pieces = pick(6); pieces > 0; --pieces) {
            const int kind = pick(10);
            text += kind < 6 ? QString::fromUtf16(words[pick(std::size(words))])
                  : kind < 9 ? number()
                             : number() + number(); // one digit run mixing scripts
            if (pick(2))
                text += u' ';
        }
        m_seen.append(text);
        return text;
    }

private:
    QString number()
    {
        static const char32_t zeros[] = {U'0', U'0', U'\u0660', U'\u06F0', U'\u0966', U'\uFF10',
                                         U'\U0001D7CE'};
        static const int lengths[][2] = {{1, 3}, {1, 3}, {1, 3}, {20, 60}, {250, 262}};
        const auto &range = lengths[pick(std::size(lengths))];
        QString digits(pick(4) == 0 ? pick(3) : 0, u'0');
        for (int i = range[0] + pick(range[1] - range[0] + 1); i > 0; --i)
            digits.append(QChar(u'0' + pick(10)));
        return inScript(digits, zeros[pick(std::size(zeros))]);
    }

    std::mt19937 m_rng;
    QStringList m_seen;
};

} // namespace SortTestSupport
