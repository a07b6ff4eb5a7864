#pragma once

#include "IdListModel.h"
#include "core/LibraryManager.h"

#include <QPointer>
#include <QTimer>
#include <optional>
#include <QtQml/qqmlregistration.h>

// The library as a view lists it: the items matching the library's search text, in a
// chosen order, or only its videos in store order. Rows are item ids; each row's record
// is read from the library by id. A search typed or cleared becomes removed or inserted
// rows, an import's records inserted rows (gathered per event-loop turn); a new order
// resets the rows.
class LibraryListModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)
    // The library's own search text, read and written through.
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(LibraryManager::SortOrder sortOrder READ sortOrder WRITE setSortOrder NOTIFY
                   sortOrderChanged)
    Q_PROPERTY(bool videosOnly READ videosOnly WRITE setVideosOnly NOTIFY videosOnlyChanged)

public:
    explicit LibraryListModel(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);
    QString searchText() const;
    void setSearchText(const QString &text);
    LibraryManager::SortOrder sortOrder() const { return m_sortOrder; }
    void setSortOrder(LibraryManager::SortOrder order);
    bool videosOnly() const { return m_videosOnly; }
    void setVideosOnly(bool videosOnly);

    // The ids of the rows in the order shown (QUuid texts without braces).
    Q_INVOKABLE QStringList itemIds() const;

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void libraryChanged();
    void searchTextChanged();
    void sortOrderChanged();
    void videosOnlyChanged();

private:
    bool inStoreOrder() const;
    bool matches(const MediaItem &item) const;
    void onItemAppended(const MediaItem &item);
    void onItemsChanged();
    void flushAppends();
    void recompute();

    QPointer<LibraryManager> m_library;
    std::optional<QString> m_pendingSearch; // set while there is no library
    LibraryManager::SortOrder m_sortOrder = LibraryManager::SortOrder::Natural;
    bool m_videosOnly = false;

    // allItemsChanged that follows an itemAppended already handled.
    bool m_appendHandled = false;
    // Appended ids waiting for the end of the event-loop turn (store order).
    QList<QUuid> m_pendingAppends;
    bool m_flushQueued = false;
    // Positions of every library item in m_sortOrder (the search aside), kept until the
    // items or the order change.
    std::vector<uint32_t> m_order;
    bool m_orderValid = false;
    // In a sorted order, appends re-sort the rows at most this often.
    QTimer m_resortTimer;
};
