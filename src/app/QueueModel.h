#pragma once

#include "IdListModel.h"
#include "models/MediaItem.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class MediaPlayerManager;
Q_MOC_INCLUDE("core/MediaPlayerManager.h")

// The player's queue for the now playing view, with the entry at currentIndex marked.
// Rows are positions: a row dragged elsewhere keeps the mark on its position.
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

    // Plays the whole queue from `row` (double click on a row).
    Q_INVOKABLE void playRow(int row);
    // Moves the entry at `from` so that it stands before position `to` (counted
    // before the move), as a drag of one row does.
    Q_INVOKABLE void moveRow(int from, int to);

Q_SIGNALS:
    void playerChanged();

private:
    void sync();

    QPointer<MediaPlayerManager> m_player;
    QList<MediaItem> m_items;
    int m_currentIndex = -1;
};
