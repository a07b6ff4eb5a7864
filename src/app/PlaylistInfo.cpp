#include "PlaylistInfo.h"

#include "FollowPlaylists.h"
#include "core/LibraryManager.h"

namespace {

const Playlist *find(const LibraryManager *library, const QString &id)
{
    return library ? library->playlistWithId(QUuid::fromString(id)) : nullptr;
}

} // namespace

PlaylistInfo::PlaylistInfo(QObject *parent) : QObject(parent) {}

void PlaylistInfo::setLibrary(LibraryManager *library)
{
    if (!followPlaylists(this, m_library, library, &PlaylistInfo::changed))
        return;
    Q_EMIT libraryChanged();
    Q_EMIT changed();
}

void PlaylistInfo::setPlaylistId(const QString &playlistId)
{
    if (m_playlistId == playlistId)
        return;
    m_playlistId = playlistId;
    Q_EMIT playlistIdChanged();
    Q_EMIT changed();
}

bool PlaylistInfo::exists() const
{
    return find(m_library, m_playlistId) != nullptr;
}

QString PlaylistInfo::name() const
{
    const Playlist *playlist = find(m_library, m_playlistId);
    return playlist ? playlist->name : QString();
}

bool PlaylistInfo::isAudiobook() const
{
    const Playlist *playlist = find(m_library, m_playlistId);
    return playlist && playlist->isAudiobook;
}

int PlaylistInfo::itemCount() const
{
    const Playlist *playlist = find(m_library, m_playlistId);
    return playlist ? int(playlist->items.size()) : 0;
}

QString PlaylistInfo::formattedTotalDuration() const
{
    const Playlist *playlist = find(m_library, m_playlistId);
    return playlist ? playlist->formattedTotalDuration() : QString();
}
