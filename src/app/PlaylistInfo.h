#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// One playlist's fields as the library holds them now, for a view that shows a single
// playlist (the playlist detail): it follows renames, reorders and additions, and
// `exists` turns false when the playlist is deleted.
class PlaylistInfo : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)
    Q_PROPERTY(QString playlistId READ playlistId WRITE setPlaylistId NOTIFY playlistIdChanged)
    Q_PROPERTY(bool exists READ exists NOTIFY changed)
    Q_PROPERTY(QString name READ name NOTIFY changed)
    Q_PROPERTY(bool isAudiobook READ isAudiobook NOTIFY changed)
    Q_PROPERTY(int itemCount READ itemCount NOTIFY changed)
    Q_PROPERTY(QString formattedTotalDuration READ formattedTotalDuration NOTIFY changed)

public:
    explicit PlaylistInfo(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);
    QString playlistId() const { return m_playlistId; }
    void setPlaylistId(const QString &playlistId);

    bool exists() const;
    QString name() const;
    bool isAudiobook() const;
    int itemCount() const;
    QString formattedTotalDuration() const;

Q_SIGNALS:
    void libraryChanged();
    void playlistIdChanged();
    void changed();

private:
    QPointer<LibraryManager> m_library;
    QString m_playlistId;
};
