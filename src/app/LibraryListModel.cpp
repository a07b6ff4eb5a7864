#include "LibraryListModel.h"

#include "MediaRows.h"

namespace {

// A sorted list of 100,000 items costs tens of milliseconds: while an import streams
// in, re-sort a few times a second rather than once per record.
constexpr int resortIntervalMs = 250;

} // namespace

LibraryListModel::LibraryListModel(QObject *parent) : IdListModel(parent)
{
    m_resortTimer.setSingleShot(true);
    m_resortTimer.setInterval(resortIntervalMs);
    connect(&m_resortTimer, &QTimer::timeout, this, &LibraryListModel::recompute);
}

void LibraryListModel::setLibrary(LibraryManager *library)
{
    if (m_library == library)
        return;
    const QString oldSearch = searchText();
    if (m_library)
        disconnect(m_library, nullptr, this, nullptr);
    m_library = library;
    m_orderValid = false;
    if (m_library) {
        // A text set before the library (QML sets properties in any order) goes to it now.
        if (m_pendingSearch)
            m_library->setSearchText(*std::exchange(m_pendingSearch, std::nullopt));
        connect(m_library, &LibraryManager::itemAppended, this, &LibraryListModel::onItemAppended);
        connect(m_library, &LibraryManager::allItemsChanged, this, &LibraryListModel::onItemsChanged);
        connect(m_library, &LibraryManager::searchTextChanged, this, [this] {
            recompute();
            Q_EMIT searchTextChanged();
        });
    }
    recompute();
    Q_EMIT libraryChanged();
    if (searchText() != oldSearch)
        Q_EMIT searchTextChanged();
}

QString LibraryListModel::searchText() const
{
    return m_library ? m_library->searchText() : m_pendingSearch.value_or(QString());
}

void LibraryListModel::setSearchText(const QString &text)
{
    // The library tells us (and every other view) through searchTextChanged.
    if (m_library) {
        m_library->setSearchText(text);
    } else if (text != searchText()) {
        m_pendingSearch = text;
        Q_EMIT searchTextChanged();
    }
}

void LibraryListModel::setSortOrder(LibraryManager::SortOrder order)
{
    if (m_sortOrder == order)
        return;
    m_sortOrder = order;
    m_orderValid = false;
    recompute();
    Q_EMIT sortOrderChanged();
}

void LibraryListModel::setVideosOnly(bool videosOnly)
{
    if (m_videosOnly == videosOnly)
        return;
    m_videosOnly = videosOnly;
    recompute();
    Q_EMIT videosOnlyChanged();
}

bool LibraryListModel::inStoreOrder() const
{
    return m_videosOnly || m_sortOrder == LibraryManager::SortOrder::DateAdded;
}

bool LibraryListModel::matches(const MediaItem &item) const
{
    return (!m_videosOnly || item.isVideo) && m_library->matchesSearch(item);
}

void LibraryListModel::onItemAppended(const MediaItem &item)
{
    m_orderValid = false;
    m_appendHandled = true;
    if (!matches(item))
        return;
    if (!inStoreOrder()) {
        if (!m_resortTimer.isActive())
            m_resortTimer.start();
        return;
    }
    m_pendingAppends.append(item.id);
    if (!m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(this, &LibraryListModel::flushAppends, Qt::QueuedConnection);
    }
}

void LibraryListModel::flushAppends()
{
    m_flushQueued = false;
    appendRows(std::exchange(m_pendingAppends, {}));
}

void LibraryListModel::onItemsChanged()
{
    m_orderValid = false;
    if (std::exchange(m_appendHandled, false))
        return;
    recompute();
}

void LibraryListModel::recompute()
{
    m_resortTimer.stop();
    m_pendingAppends.clear();
    QList<QUuid> next;
    if (m_library) {
        const QList<MediaItem> &all = m_library->allItems();
        if (inStoreOrder()) {
            const QList<qsizetype> &positions = m_library->filteredPositions();
            next.reserve(positions.size());
            for (qsizetype i : positions) {
                if (!m_videosOnly || all[i].isVideo)
                    next.append(all[i].id);
            }
        } else {
            // The whole library's order is kept until the items change; a search only
            // takes away the rows it leaves out.
            if (!m_orderValid) {
                m_order = m_library->sortedPositions(m_sortOrder);
                m_orderValid = true;
            }
            const QList<qsizetype> &positions = m_library->filteredPositions();
            next.reserve(positions.size());
            if (positions.size() == all.size()) {
                for (uint32_t i : m_order)
                    next.append(all[i].id);
            } else {
                std::vector<bool> kept(size_t(all.size()), false);
                for (qsizetype i : positions)
                    kept[size_t(i)] = true;
                for (uint32_t i : m_order) {
                    if (kept[i])
                        next.append(all[i].id);
                }
            }
        }
    }
    replaceRows(next, {}, false);
}

QStringList LibraryListModel::itemIds() const
{
    QStringList out;
    out.reserve(ids().size());
    for (const QUuid &id : ids())
        out.append(id.toString(QUuid::WithoutBraces));
    return out;
}

QVariant LibraryListModel::data(const QModelIndex &index, int role) const
{
    if (!m_library || !index.isValid() || index.row() >= count())
        return {};
    const MediaItem *item = m_library->itemWithId(ids().at(index.row()));
    return item ? MediaRows::data(*item, role) : QVariant();
}

QHash<int, QByteArray> LibraryListModel::roleNames() const
{
    return MediaRows::roleNames();
}
