#include "PlaylistItemsModel.h"

#include "FollowPlaylists.h"
#include "MediaRows.h"
#include "core/LibraryManager.h"

PlaylistItemsModel::PlaylistItemsModel(QObject *parent) : IdListModel(parent) {}

void PlaylistItemsModel::setLibrary(LibraryManager *library)
{
    if (!followPlaylists(this, m_library, library, &PlaylistItemsModel::sync))
        return;
    sync();
    Q_EMIT libraryChanged();
}

void PlaylistItemsModel::setPlaylistId(const QString &playlistId)
{
    if (m_playlistId == playlistId)
        return;
    m_playlistId = playlistId;
    sync();
    Q_EMIT playlistIdChanged();
}

void PlaylistItemsModel::sync()
{
    const Playlist *playlist =
        m_library ? m_library->playlistWithId(QUuid::fromString(m_playlistId)) : nullptr;
    QList<MediaItem> next = playlist ? playlist->items : QList<MediaItem>();
    // Another playlist changed, or this one's name: nothing to tell.
    if (next.constData() == m_items.constData() && next.size() == m_items.size())
        return;
    QList<QUuid> nextIds;
    nextIds.reserve(next.size());
    for (const MediaItem &item : std::as_const(next))
        nextIds.append(item.id);
    // Copies of one item share its id, so equal ids mean equal rows.
    replaceRows(nextIds, [&] { m_items = std::move(next); }, false);
}

QStringList PlaylistItemsModel::itemIds() const
{
    QStringList out;
    out.reserve(m_items.size());
    for (const MediaItem &item : m_items)
        out.append(item.id.toString(QUuid::WithoutBraces));
    return out;
}

QVariant PlaylistItemsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    return MediaRows::data(m_items.at(index.row()), role);
}

QHash<int, QByteArray> PlaylistItemsModel::roleNames() const
{
    return MediaRows::roleNames();
}
