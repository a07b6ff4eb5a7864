#include "PlaylistListModel.h"

#include "core/LibraryManager.h"

PlaylistListModel::PlaylistListModel(QObject *parent) : IdListModel(parent) {}

void PlaylistListModel::setLibrary(LibraryManager *library)
{
    if (m_library == library)
        return;
    if (m_library)
        disconnect(m_library, nullptr, this, nullptr);
    m_library = library;
    if (m_library)
        connect(m_library, &LibraryManager::playlistsChanged, this, &PlaylistListModel::sync);
    sync();
    Q_EMIT libraryChanged();
}

void PlaylistListModel::sync()
{
    QList<Playlist> next = m_library ? m_library->playlists() : QList<Playlist>();
    QList<QUuid> nextIds;
    nextIds.reserve(next.size());
    for (const Playlist &p : std::as_const(next))
        nextIds.append(p.id);
    replaceRows(nextIds, [&] { m_playlists = std::move(next); }, true);
}

QVariant PlaylistListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_playlists.size())
        return {};
    const Playlist &playlist = m_playlists.at(index.row());
    switch (role) {
    case NameRole: return playlist.name;
    case IsAudiobookRole: return playlist.isAudiobook;
    case ItemCountRole: return int(playlist.items.size());
    case PlaylistIdRole: return playlist.id.toString(QUuid::WithoutBraces);
    }
    return {};
}

QHash<int, QByteArray> PlaylistListModel::roleNames() const
{
    return {{NameRole, "name"},
            {IsAudiobookRole, "isAudiobook"},
            {ItemCountRole, "itemCount"},
            {PlaylistIdRole, "playlistId"}};
}
