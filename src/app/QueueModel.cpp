#include "QueueModel.h"

#include "core/MediaPlayerManager.h"
#include "util/RTLSupport.h"


QueueModel::QueueModel(QObject *parent) : IdListModel(parent) {}

void QueueModel::setPlayer(MediaPlayerManager *player)
{
    if (m_player == player)
        return;
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (m_player) {
        connect(m_player, &MediaPlayerManager::queueChanged, this, &QueueModel::sync);
        connect(m_player, &MediaPlayerManager::currentIndexChanged, this, [this] {
            m_currentIndex = m_player->currentIndex();
            refreshAll({IsCurrentRole});
        });
    }
    sync();
    Q_EMIT playerChanged();
}

void QueueModel::sync()
{
    QList<MediaItem> next = m_player ? m_player->queue() : QList<MediaItem>();
    QList<QUuid> ids;
    ids.reserve(next.size());
    for (const MediaItem &item : std::as_const(next))
        ids.append(item.id);
    m_currentIndex = m_player ? m_player->currentIndex() : -1;
    replaceRows(ids, [&] { m_items = std::move(next); }, false);
    // The current mark belongs to a position, whatever moved.
    refreshAll({IsCurrentRole});
}

QVariant QueueModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const MediaItem &item = m_items.at(index.row());
    switch (role) {
    case TitleRole: return item.title;
    case ArtistRole: return item.artist;
    case FormattedDurationRole: return item.formattedDuration();
    case IsCurrentRole: return index.row() == m_currentIndex;
    case TitleIsRTLRole: return RTLSupport::isRTL(item.title);
    case ItemIdRole: return item.id.toString(QUuid::WithoutBraces);
    }
    return {};
}

QHash<int, QByteArray> QueueModel::roleNames() const
{
    return {{TitleRole, "title"},
            {ArtistRole, "artist"},
            {FormattedDurationRole, "formattedDuration"},
            {IsCurrentRole, "isCurrent"},
            {TitleIsRTLRole, "titleIsRTL"},
            {ItemIdRole, "itemId"}};
}
