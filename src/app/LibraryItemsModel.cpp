#include "LibraryItemsModel.h"

#include "MediaRows.h"
#include "core/LibraryManager.h"

#include <algorithm>

LibraryItemsModel::LibraryItemsModel(QObject *parent) : IdListModel(parent) {}

void LibraryItemsModel::setLibrary(LibraryManager *library)
{
    if (m_library == library)
        return;
    if (m_library)
        disconnect(m_library, nullptr, this, nullptr);
    m_library = library;
    if (m_library) {
        connect(m_library, &LibraryManager::itemAppended, this, [this](const MediaItem &item) {
            // Only an append that follows the rows we show; otherwise sync() catches up.
            if (m_library->allItems().size() == count() + 1) {
                appendRow(item.id, [] {});
                // The allItemsChanged that follows is this append: comparing every row
                // then would make an import quadratic.
                m_appendHandled = true;
            }
        });
        connect(m_library, &LibraryManager::allItemsChanged, this, [this] {
            if (!std::exchange(m_appendHandled, false))
                sync();
        });
    }
    sync();
    Q_EMIT libraryChanged();
}

void LibraryItemsModel::sync()
{
    QList<QUuid> next;
    if (m_library) {
        const QList<MediaItem> &items = m_library->allItems();
        // After an append the rows already match (one pass, no allocation).
        const bool same = items.size() == count()
                          && std::equal(items.cbegin(), items.cend(), ids().cbegin(),
                                        [](const MediaItem &item, const QUuid &id) {
                                            return item.id == id;
                                        });
        if (same)
            return;
        next.reserve(items.size());
        for (const MediaItem &item : items)
            next.append(item.id);
    }
    replaceRows(next, [] {}, false);
}

QVariant LibraryItemsModel::data(const QModelIndex &index, int role) const
{
    if (!m_library || !index.isValid() || index.row() >= m_library->allItems().size())
        return {};
    return MediaRows::data(m_library->allItems().at(index.row()), role);
}

QHash<int, QByteArray> LibraryItemsModel::roleNames() const
{
    return MediaRows::roleNames();
}
