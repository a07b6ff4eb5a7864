#pragma once

#include "IdListModel.h"
#include "models/Playlist.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// The library's playlists in the library's order (the sidebar, the playlists and
// audiobooks views). A change to one playlist changes only the roles it affects on its row.
class PlaylistListModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)
    // Only the playlists marked as audiobooks.
    Q_PROPERTY(bool audiobooksOnly READ audiobooksOnly WRITE setAudiobooksOnly NOTIFY
                   audiobooksOnlyChanged)

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        IsAudiobookRole,
        ItemCountRole,
        PlaylistIdRole,
        FormattedTotalDurationRole,
        ArtworkSourceRole,
    };

    explicit PlaylistListModel(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);
    bool audiobooksOnly() const { return m_audiobooksOnly; }
    void setAudiobooksOnly(bool audiobooksOnly);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void libraryChanged();
    void audiobooksOnlyChanged();

private:
    void sync();

    QPointer<LibraryManager> m_library;
    bool m_audiobooksOnly = false;
    QList<Playlist> m_playlists;
};
