#pragma once

#include "IdListModel.h"
#include "models/MediaItem.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// The items of one playlist, following its changes as moved, inserted or removed rows.
// Empty while the playlist does not exist.
class PlaylistItemsModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)
    Q_PROPERTY(QString playlistId READ playlistId WRITE setPlaylistId NOTIFY playlistIdChanged)

public:
    explicit PlaylistItemsModel(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);
    QString playlistId() const { return m_playlistId; }
    void setPlaylistId(const QString &playlistId);

    // The ids of the rows in order (duplicates kept), as QUuid texts without braces.
    Q_INVOKABLE QStringList itemIds() const;

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void libraryChanged();
    void playlistIdChanged();

private:
    void sync();

    QPointer<LibraryManager> m_library;
    QString m_playlistId;
    QList<MediaItem> m_items;
};
