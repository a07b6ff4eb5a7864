#include "PlaylistListModel.h"

#include "ArtworkCache.h"
#include "FollowPlaylists.h"
#include "core/LibraryManager.h"

#include <QHash>

PlaylistListModel::PlaylistListModel(QObject *parent) : IdListModel(parent) {}

void PlaylistListModel::setLibrary(LibraryManager *library)
{
    if (!followPlaylists(this, m_library, library, &PlaylistListModel::sync))
        return;
    sync();
    Q_EMIT libraryChanged();
}

void PlaylistListModel::setAudiobooksOnly(bool audiobooksOnly)
{
    if (m_audiobooksOnly == audiobooksOnly)
        return;
    m_audiobooksOnly = audiobooksOnly;
    sync();
    Q_EMIT audiobooksOnlyChanged();
}

namespace {

bool sameItems(const QList<MediaItem> &a, const QList<MediaItem> &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace

void PlaylistListModel::sync()
{
    QList<Playlist> next;
    if (m_library) {
        for (const Playlist &p : m_library->playlists()) {
            if (!m_audiobooksOnly || p.isAudiobook)
                next.append(p);
        }
    }
    QList<QUuid> nextIds;
    nextIds.reserve(next.size());
    for (const Playlist &p : std::as_const(next))
        nextIds.append(p.id);

    QHash<QUuid, Playlist> before;
    for (const Playlist &p : std::as_const(m_playlists))
        before.insert(p.id, p);
    replaceRows(nextIds, [&] { m_playlists = std::move(next); }, false);

    // Rows kept through the change report only what changed on them.
    for (int row = 0; row < m_playlists.size(); ++row) {
        const Playlist &now = m_playlists.at(row);
        const auto old = before.constFind(now.id);
        if (old == before.cend())
            continue;
        QList<int> roles;
        if (old->name != now.name)
            roles.append(NameRole);
        if (old->isAudiobook != now.isAudiobook)
            roles.append(IsAudiobookRole);
        if (!sameItems(old->items, now.items))
            roles.append({ItemCountRole, FormattedTotalDurationRole, ArtworkSourceRole});
        if (!roles.isEmpty())
            Q_EMIT dataChanged(index(row), index(row), roles);
    }
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
    case FormattedTotalDurationRole: return playlist.formattedTotalDuration();
    case ArtworkSourceRole:
        for (const MediaItem &item : playlist.items) {
            if (item.hasArtwork())
                return ArtworkCache::shared().sourceFor(item.id.toString(QUuid::WithoutBraces),
                                                        item.artwork);
        }
        return QUrl();
    }
    return {};
}

QHash<int, QByteArray> PlaylistListModel::roleNames() const
{
    return {{NameRole, "name"},
            {IsAudiobookRole, "isAudiobook"},
            {ItemCountRole, "itemCount"},
            {PlaylistIdRole, "playlistId"},
            {FormattedTotalDurationRole, "formattedTotalDuration"},
            {ArtworkSourceRole, "artworkSource"}};
}
