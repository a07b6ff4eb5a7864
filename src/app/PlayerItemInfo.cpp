#include "PlayerItemInfo.h"

#include "ArtworkCache.h"
#include "core/MediaPlayerManager.h"

PlayerItemInfo::PlayerItemInfo(QObject *parent) : QObject(parent) {}

void PlayerItemInfo::setPlayer(MediaPlayerManager *player)
{
    if (m_player == player)
        return;
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (m_player) {
        connect(m_player, &MediaPlayerManager::currentItemChanged, this,
                &PlayerItemInfo::itemChanged);
        connect(m_player, &MediaPlayerManager::currentChapterChanged, this,
                &PlayerItemInfo::chapterChanged);
        connect(m_player, &MediaPlayerManager::chaptersChanged, this,
                &PlayerItemInfo::chapterChanged);
        connect(m_player, &MediaPlayerManager::queueChanged, this,
                &PlayerItemInfo::queueCountChanged);
    }
    Q_EMIT playerChanged();
    Q_EMIT itemChanged();
    Q_EMIT chapterChanged();
    Q_EMIT queueCountChanged();
}

bool PlayerItemInfo::hasItem() const
{
    return m_player && m_player->currentItem().has_value();
}

QString PlayerItemInfo::itemId() const
{
    return hasItem() ? m_player->currentItem()->id.toString(QUuid::WithoutBraces) : QString();
}

QString PlayerItemInfo::title() const
{
    return hasItem() ? m_player->currentItem()->title : QString();
}

QString PlayerItemInfo::artist() const
{
    return hasItem() ? m_player->currentItem()->artist : QString();
}

QString PlayerItemInfo::album() const
{
    return hasItem() ? m_player->currentItem()->album : QString();
}

QUrl PlayerItemInfo::artworkSource() const
{
    if (!hasItem())
        return {};
    const MediaItem &item = *m_player->currentItem();
    return ArtworkCache::shared().sourceFor(item.id.toString(QUuid::WithoutBraces), item.artwork);
}

bool PlayerItemInfo::isVideo() const
{
    return hasItem() && m_player->currentItem()->isVideo;
}

bool PlayerItemInfo::hasCurrentChapter() const
{
    return m_player && m_player->currentChapter().has_value();
}

QString PlayerItemInfo::currentChapterTitle() const
{
    return hasCurrentChapter() ? m_player->currentChapter()->title : QString();
}

int PlayerItemInfo::chapterCount() const
{
    return m_player ? int(m_player->chapters().size()) : 0;
}

int PlayerItemInfo::queueCount() const
{
    return m_player ? int(m_player->queue().size()) : 0;
}
