#include "LibrarySearchIndex.h"

#include <algorithm>

namespace {
constexpr QChar separator = QChar(0);
}

void LibrarySearchIndex::clear()
{
    m_text.clear();
    m_starts.assign(1, 0);
}

void LibrarySearchIndex::append(const MediaItem &item)
{
    m_text += item.title.toLower();
    m_text += separator;
    m_text += item.artist.toLower();
    m_text += separator;
    m_text += item.album.toLower();
    m_text += separator;
    m_starts.push_back(m_text.size());
}

QList<qsizetype> LibrarySearchIndex::search(const QString &needle,
                                            const QList<MediaItem> &items) const
{
    QList<qsizetype> result;
    if (needle.contains(separator)) {
        for (qsizetype i = 0; i < items.size(); ++i) {
            const MediaItem &item = items[i];
            if (item.title.toLower().contains(needle) || item.artist.toLower().contains(needle)
                || item.album.toLower().contains(needle))
                result.append(i);
        }
        return result;
    }

    const QStringView text(m_text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype hit = text.indexOf(needle, from);
        if (hit < 0)
            break;
        // The item whose range holds the hit; a needle without separators cannot span two.
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), hit);
        const qsizetype position = (next - m_starts.begin()) - 1;
        result.append(position);
        from = *next;
    }
    return result;
}
