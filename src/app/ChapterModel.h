#pragma once

#include "IdListModel.h"
#include "models/Chapter.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class MediaPlayerManager;
Q_MOC_INCLUDE("core/MediaPlayerManager.h")

// The chapters of the loaded item, with the current chapter marked.
class ChapterModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(MediaPlayerManager *player READ player WRITE setPlayer NOTIFY playerChanged)

public:
    enum Role {
        TitleRole = Qt::UserRole + 1,
        NumberRole, // index + 1
        FormattedStartTimeRole,
        FormattedLengthRole,
        IsCurrentRole,
        TitleIsRTLRole,
        ChapterIdRole, // for MediaPlayerManager::seekToChapter
    };

    explicit ChapterModel(QObject *parent = nullptr);

    MediaPlayerManager *player() const { return m_player; }
    void setPlayer(MediaPlayerManager *player);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void playerChanged();

private:
    void sync();
    void updateCurrent();

    QPointer<MediaPlayerManager> m_player;
    QList<Chapter> m_chapters;
    QUuid m_currentId;
};
