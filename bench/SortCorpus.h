#pragma once

#include "models/MediaItem.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <random>

// A library-like list of items for the sort benchmark: import batches numbered from 1
// (audiobooks of up to 300 chapter files, albums, single downloads), a few items without
// a sort index, titles in Latin, Arabic and Hebrew with numbers in several digit
// scripts. Deterministic for a given seed.
namespace SortCorpus {

using namespace Qt::StringLiterals;

inline QString digitsIn(qint64 value, char32_t zero)
{
    const QString ascii = QString::number(value);
    QString out;
    for (QChar c : ascii)
        out.append(QString::fromUcs4(std::u32string(1, zero + (c.unicode() - u'0')).data(), 1));
    return out;
}

class Generator
{
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    QList<MediaItem> library(qsizetype count)
    {
        QList<MediaItem> items;
        items.reserve(count);
        while (items.size() < count) {
            const int kind = pick(100);
            if (kind < 25)
                addBook(items, 10 + pick(291));
            else if (kind < 60)
                addAlbum(items, 6 + pick(15));
            else if (kind < 95)
                addBatch(items, 1 + pick(3), QString());
            else
                addLoose(items, 1 + pick(20));
        }
        items.resize(count);
        std::shuffle(items.begin(), items.end(), m_rng);
        return items;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QString word()
    {
        static const char16_t *const words[] = {
            u"night", u"River", u"SONG",  u"light", u"Ocean", u"dream", u"Home", u"away",
            u"Über",  u"café",  u"Zebra", u"apple", u"Blue",  u"the",   u"Of",   u"storm",
            u"كتاب",  u"الفصل", u"مرحبا", u"سلام",  u"القمر", u"بَيْت",   u"نور",  u"قلب",
            u"שלום",  u"ספר",   u"אור",   u"לילה",  u"ים",    u"שיר"};
        return QString::fromUtf16(words[pick(std::size(words))]);
    }

    QString phrase(int words)
    {
        QString s = word();
        for (int i = 1; i < words; ++i)
            s += u' ' + word();
        return s;
    }

    QString number(qint64 value)
    {
        static const char32_t zeros[] = {U'0', U'0', U'0', U'\u0660', U'\u06F0', U'\u0966'};
        return digitsIn(value, zeros[pick(std::size(zeros))]);
    }

    void addBook(QList<MediaItem> &items, int chapters)
    {
        static const char16_t *const stems[] = {u"Chapter ", u"الفصل ", u"פרק ", u"Side ", u"فصل "};
        const QString stem = QString::fromUtf16(stems[pick(std::size(stems))]);
        const char32_t zeros[] = {U'0', U'\u0660', U'\u06F0'};
        const char32_t zero = zeros[pick(3)];
        const QString album = phrase(1 + pick(3));
        for (int i = 1; i <= chapters; ++i)
            items.append(make(stem + digitsIn(i, zero), album, i));
    }

    void addAlbum(QList<MediaItem> &items, int tracks)
    {
        const QString album = phrase(1 + pick(2));
        for (int i = 1; i <= tracks; ++i) {
            const QString n = i < 10 ? u"0"_s + QString::number(i) : QString::number(i);
            items.append(make(n + u" - "_s + phrase(1 + pick(4)), album, i));
        }
    }

    void addBatch(QList<MediaItem> &items, int files, const QString &album)
    {
        for (int i = 1; i <= files; ++i)
            items.append(make(phrase(1 + pick(4)) + u' ' + number(1 + pick(500)), album, i));
    }

    void addLoose(QList<MediaItem> &items, int files)
    {
        for (int i = 0; i < files; ++i)
            items.append(make(phrase(1 + pick(5)), pick(2) ? phrase(1) : QString(), 0));
    }

    MediaItem make(const QString &title, const QString &album, qint64 sortIndex)
    {
        MediaItem item;
        item.title = title;
        item.album = album;
        item.artist = phrase(1 + pick(2));
        item.sortIndex = sortIndex;
        return item;
    }

    std::mt19937 m_rng;
};

} // namespace SortCorpus
