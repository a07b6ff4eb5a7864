#pragma once

// The words and numbers the library benchmarks make their titles from: Latin, Arabic and
// Hebrew words, and numbers in ASCII, Arabic-Indic or Persian digits.
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace LibraryWords {

inline QString word(QRandomGenerator &rng)
{
    using namespace Qt::StringLiterals;
    static const QStringList words{
        u"love"_s,  u"night"_s, u"Chapter"_s, u"beat"_s,   u"river"_s, u"كتاب"_s, u"الفصل"_s,
        u"قصة"_s,   u"שלום"_s,  u"פרק"_s,     u"sonata"_s, u"Live"_s,  u"Café"_s, u"dream"_s};
    return words[rng.bounded(int(words.size()))];
}

inline QString number(QRandomGenerator &rng)
{
    QString s = QString::number(rng.bounded(1, 400));
    const int script = rng.bounded(3);
    if (script == 0)
        return s;
    const char16_t zero = script == 1 ? u'\u0660' : u'\u06F0';
    for (QChar &c : s)
        c = QChar(char16_t(zero + (c.unicode() - u'0')));
    return s;
}

} // namespace LibraryWords
