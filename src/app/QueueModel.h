#pragma once

#include "IdListModel.h"
#include "models/MediaItem.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class MediaPlayerManager;
Q_MOC_INCLUDE("core/MediaPlayerManager.h")

// The player's queue for the now playing view, with the entry at currentIndex marked.
// Rows are positions: a row dragged elsewhere keeps the mark on its position. Rows are
// played and moved through the player (playFromQueue, moveQueueItem).
class QueueModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(MediaPlayerManager *player READ player WRITE setPlayer NOTIFY playerChanged)

public:
    enum Role {
        TitleRole = Qt::UserRole + 1,
        ArtistRole,
        FormattedDurationRole,
        IsCurrentRole,
        TitleIsRTLRole,
        ItemIdRole,
    };

    explicit QueueModel(QObject *parent = nullptr);

    MediaPlayerManager *player() const { return m_player; }
    void setPlayer(MediaPlayerManager *player);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void playerChanged();

private:
    void sync();

    QPointer<MediaPlayerManager> m_player;
    QList<MediaItem> m_items;
    int m_currentIndex = -1;
};
