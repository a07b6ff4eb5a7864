#include "LibraryCounts.h"

#include "core/LibraryManager.h"

LibraryCounts::LibraryCounts(QObject *parent) : QObject(parent)
{
    m_coalesce.setSingleShot(true);
    // A recount walks the search results: during a large import at most 20 a second.
    m_coalesce.setInterval(50);
    connect(&m_coalesce, &QTimer::timeout, this, &LibraryCounts::recount);
}

void LibraryCounts::setLibrary(LibraryManager *library)
{
    if (m_library == library)
        return;
    if (m_library)
        disconnect(m_library, nullptr, this, nullptr);
    m_library = library;
    if (m_library) {
        auto later = [this] { m_coalesce.start(); };
        connect(m_library, &LibraryManager::allItemsChanged, this, later);
        connect(m_library, &LibraryManager::playlistsChanged, this, later);
        connect(m_library, &LibraryManager::searchTextChanged, this, later);
    }
    recount();
    Q_EMIT libraryChanged();
}

void LibraryCounts::recount()
{
    int items = 0;
    int videos = 0;
    int playlists = 0;
    int audiobooks = 0;
    if (m_library) {
        items = int(m_library->allItems().size());
        const QList<qsizetype> &positions = m_library->filteredPositions();
        const QList<MediaItem> &all = m_library->allItems();
        for (qsizetype position : positions)
            videos += all.at(position).isVideo ? 1 : 0;
        playlists = int(m_library->playlists().size());
        for (const Playlist &playlist : m_library->playlists())
            audiobooks += playlist.isAudiobook ? 1 : 0;
    }
    if (items == m_itemCount && videos == m_videoCount && playlists == m_playlistCount
        && audiobooks == m_audiobookCount)
        return;
    m_itemCount = items;
    m_videoCount = videos;
    m_playlistCount = playlists;
    m_audiobookCount = audiobooks;
    Q_EMIT countsChanged();
}
