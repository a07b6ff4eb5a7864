#include "SortTestSupport.h"

using namespace Qt::StringLiterals;

namespace SortTestSupport {

QString inScript(const QString &value, char32_t zero)
{
    std::u32string out;
    for (QChar c : value)
        out.push_back(zero + char32_t(c.unicode() - u'0'));
    return QString::fromUcs4(out.data(), qsizetype(out.size()));
}

int compareByValue(const QString &a, const QString &b)
{
    auto significant = [](const QString &s) {
        qsizetype i = 0;
        while (i < s.size() && s[i] == u'0')
            ++i;
        return QStringView(s).mid(i);
    };
    const QStringView x = significant(a);
    const QStringView y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

QString RandomTexts::number()
{
    static const char32_t zeros[] = {U'0',      U'0',      U'\u0660',    U'\u06F0',
                                     U'\u0966', U'\uFF10', U'\U0001D7CE'};
    static const int lengths[][2] = {{1, 3}, {1, 3}, {1, 3}, {20, 60}, {250, 262}};
    const auto &range = lengths[pick(std::size(lengths))];
    const int length = range[0] + pick(range[1] - range[0] + 1);
    QString digits = QString(pick(4) == 0 ? pick(3) : 0, u'0');
    for (int i = 0; i < length; ++i)
        digits.append(QChar(u'0' + pick(10)));
    return inScript(digits, zeros[pick(std::size(zeros))]);
}

QString RandomTexts::next()
{
    static const char16_t *const words[] = {
        u"apple", u"Apple", u"APPLE", u"Äpfel", u"café",  u"cafe",  u"Chapter", u"chapter",
        u"zebra", u"Side",  u"كتاب",  u"كِتَاب",  u"الفصل", u"مرحبا", u"سلام",    u"פרק",
        u"שלום",  u"ספר",   u"ܫܠܡܐ",  u"नमस्ते",  u"ß",     u"ss"};
    static const char16_t *const marks[] = {u" ",      u" ",          u"-",      u"_", u".",
                                            u"\u0301", u"\U0001F600", u"\xD800", u""};
    if (!m_seen.isEmpty() && pick(8) == 0)
        return m_seen[pick(int(m_seen.size()))];
    QString text;
    const int pieces = pick(6);
    for (int i = 0; i < pieces; ++i) {
        const int kind = pick(10);
        if (kind < 5)
            text += QString::fromUtf16(words[pick(std::size(words))]);
        else if (kind < 8)
            text += number();
        else if (kind < 9)
            text += number() + number(); // one digit run mixing scripts
        else
            text += QString::fromUtf16(marks[pick(std::size(marks))]);
        if (pick(2))
            text += u' ';
    }
    m_seen.append(text);
    return text;
}

QStringList RandomTexts::take(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(next());
    return texts;
}

} // namespace SortTestSupport

#include <gtest/gtest.h>
#include <unicode/locid.h>

namespace {

// The left-to-right order follows ICU's default locale, which ICU takes from LANG:
// pin it so the expectations hold on any machine. Set before any test runs, hence
// before any thread makes its collators.
class PinnedCollationLocale : public ::testing::Environment
{
public:
    void SetUp() override
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale("en_US"), status);
        ASSERT_TRUE(U_SUCCESS(status));
    }
};

[[maybe_unused]] ::testing::Environment *const pinnedLocale =
    ::testing::AddGlobalTestEnvironment(new PinnedCollationLocale);

} // namespace
