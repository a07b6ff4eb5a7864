#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// The numbers the sidebar's badges and the sections' count lines show: every item,
// the video items among the search results, the playlists, the audiobook playlists. Recounted at most every 50 ms however many changes
// arrive (an import appends thousands of records one by one).
class LibraryCounts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)
    Q_PROPERTY(int itemCount READ itemCount NOTIFY countsChanged)
    Q_PROPERTY(int videoCount READ videoCount NOTIFY countsChanged)
    Q_PROPERTY(int playlistCount READ playlistCount NOTIFY countsChanged)
    Q_PROPERTY(int audiobookCount READ audiobookCount NOTIFY countsChanged)

public:
    explicit LibraryCounts(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);
    int itemCount() const { return m_itemCount; }
    int videoCount() const { return m_videoCount; }
    int playlistCount() const { return m_playlistCount; }
    int audiobookCount() const { return m_audiobookCount; }

Q_SIGNALS:
    void libraryChanged();
    void countsChanged();

private:
    void recount();

    QPointer<LibraryManager> m_library;
    QTimer m_coalesce;
    int m_itemCount = 0;
    int m_videoCount = 0;
    int m_playlistCount = 0;
    int m_audiobookCount = 0;
};
