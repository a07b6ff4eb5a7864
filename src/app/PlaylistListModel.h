#pragma once

#include "IdListModel.h"
#include "models/Playlist.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// The library's playlists, in the library's order, for the sidebar.
class PlaylistListModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)

public:
    enum Role { NameRole = Qt::UserRole + 1, IsAudiobookRole, ItemCountRole, PlaylistIdRole };

    explicit PlaylistListModel(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void libraryChanged();

private:
    void sync();

    QPointer<LibraryManager> m_library;
    QList<Playlist> m_playlists;
};
