#pragma once

#include "models/MediaItem.h"

#include <QList>
#include <QString>
#include <vector>

// The lower-cased title, artist and album of every library item laid end to end in
// one buffer, so that a search is one pass over contiguous text rather than three
// string searches per item. Fields are separated by U+0000, which cannot occur in a
// needle searched this way (needles holding it fall back to per-field tests).
class LibrarySearchIndex
{
public:
    void clear();
    void append(const MediaItem &item);
    qsizetype size() const { return qsizetype(m_starts.size()) - 1; }

    // The rule for one item: its lower-cased title, artist or album contains `needle`
    // (already lower-cased).
    static bool matches(const MediaItem &item, const QString &needle);

    // Positions of the items matching `needle` (already lower-cased), ascending.
    QList<qsizetype> search(const QString &needle, const QList<MediaItem> &items) const;

private:
    QString m_text;
    std::vector<qsizetype> m_starts{0}; // item i occupies [m_starts[i], m_starts[i + 1])
};
