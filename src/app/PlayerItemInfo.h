#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class MediaPlayerManager;
Q_MOC_INCLUDE("core/MediaPlayerManager.h")

// The fields of the player's current item and current chapter that the player views
// show, as plain properties (the records themselves are not QML types).
class PlayerItemInfo : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(MediaPlayerManager *player READ player WRITE setPlayer NOTIFY playerChanged)
    Q_PROPERTY(bool hasItem READ hasItem NOTIFY itemChanged)
    // The current item's id (QUuid text without braces), empty without one.
    Q_PROPERTY(QString itemId READ itemId NOTIFY itemChanged)
    Q_PROPERTY(QString title READ title NOTIFY itemChanged)
    Q_PROPERTY(QString artist READ artist NOTIFY itemChanged)
    Q_PROPERTY(QString album READ album NOTIFY itemChanged)
    Q_PROPERTY(QUrl artworkSource READ artworkSource NOTIFY itemChanged)
    Q_PROPERTY(bool isVideo READ isVideo NOTIFY itemChanged)
    Q_PROPERTY(bool hasCurrentChapter READ hasCurrentChapter NOTIFY chapterChanged)
    Q_PROPERTY(QString currentChapterTitle READ currentChapterTitle NOTIFY chapterChanged)
    Q_PROPERTY(int chapterCount READ chapterCount NOTIFY chapterChanged)
    Q_PROPERTY(int queueCount READ queueCount NOTIFY queueCountChanged)

public:
    explicit PlayerItemInfo(QObject *parent = nullptr);

    MediaPlayerManager *player() const { return m_player; }
    void setPlayer(MediaPlayerManager *player);

    bool hasItem() const;
    QString itemId() const;
    QString title() const;
    QString artist() const;
    QString album() const;
    QUrl artworkSource() const;
    bool isVideo() const;
    bool hasCurrentChapter() const;
    QString currentChapterTitle() const;
    int chapterCount() const;
    int queueCount() const;

Q_SIGNALS:
    void playerChanged();
    void itemChanged();
    void chapterChanged();
    void queueCountChanged();

private:
    QPointer<MediaPlayerManager> m_player;
};
