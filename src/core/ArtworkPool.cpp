#include "ArtworkPool.h"

namespace {

template <typename T>
void intern(QSet<T> &pool, T &value)
{
    if (value.isEmpty())
        return;
    const auto it = pool.constFind(value);
    if (it != pool.cend())
        value = *it; // drops this copy, shares the pooled one
    else
        pool.insert(value);
}

} // namespace

void ArtworkPool::share(MediaItem &item)
{
    std::lock_guard lock(m_mutex);
    intern(m_pictures, item.artwork);
    intern(m_texts, item.artist);
    intern(m_texts, item.album);
    for (Chapter &chapter : item.chapters)
        intern(m_texts, chapter.title);
}
