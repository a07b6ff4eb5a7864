#include "AudiobookRowsModel.h"

#include "FollowPlaylists.h"
#include "MediaRows.h"
#include "core/LibraryManager.h"

AudiobookRowsModel::AudiobookRowsModel(QObject *parent) : IdListModel(parent) {}

void AudiobookRowsModel::setLibrary(LibraryManager *library)
{
    if (!followPlaylists(this, m_library, library, &AudiobookRowsModel::sync))
        return;
    sync();
    Q_EMIT libraryChanged();
}

void AudiobookRowsModel::sync()
{
    QList<Playlist> books;
    if (m_library) {
        for (const Playlist &p : m_library->playlists()) {
            if (p.isAudiobook)
                books.append(p);
        }
    }
    // A deleted book that comes back (undo, a new import) starts collapsed.
    QSet<QUuid> present;
    for (const Playlist &p : std::as_const(books))
        present.insert(p.id);
    m_expanded.intersect(present);
    rebuild(std::move(books), true);
}

void AudiobookRowsModel::rebuild(QList<Playlist> books, bool contentsMayDiffer)
{
    QList<QUuid> ids;
    QList<Row> rows;
    for (int b = 0; b < books.size(); ++b) {
        const Playlist &book = books.at(b);
        ids.append(book.id);
        rows.append({b, -1});
        if (!m_expanded.contains(book.id))
            continue;
        // A chapter row is named by its book and position, so that expanding or
        // collapsing one book is rows inserted or removed in one place.
        for (int i = 0; i < book.items.size(); ++i) {
            ids.append(QUuid::createUuidV5(book.id, QString::number(i)));
            rows.append({b, i});
        }
    }
    const int before = int(m_books.size());
    replaceRows(ids, [&] {
        m_books = std::move(books);
        m_rows = std::move(rows);
    }, contentsMayDiffer);
    if (before != m_books.size())
        Q_EMIT bookCountChanged();
}

bool AudiobookRowsModel::isExpanded(const QString &playlistId) const
{
    return m_expanded.contains(QUuid::fromString(playlistId));
}

void AudiobookRowsModel::setExpanded(const QString &playlistId, bool expanded)
{
    const QUuid id = QUuid::fromString(playlistId);
    if (id.isNull() || expanded == m_expanded.contains(id))
        return;
    const int row = bookRow(playlistId);
    if (row < 0)
        return;
    if (expanded)
        m_expanded.insert(id);
    else
        m_expanded.remove(id);
    rebuild(m_books, false);
    Q_EMIT dataChanged(index(row), index(row), {IsExpandedRole});
}

void AudiobookRowsModel::collapseAll()
{
    if (m_expanded.isEmpty())
        return;
    // One book at a time: each is one range of rows removed, which views animate and
    // keep their place through, where several at once would reset the list.
    const QSet<QUuid> wereExpanded = m_expanded;
    for (const QUuid &id : wereExpanded)
        setExpanded(id.toString(QUuid::WithoutBraces), false);
}

int AudiobookRowsModel::bookRow(const QString &playlistId) const
{
    const int row = rowOfId(playlistId);
    return row >= 0 && m_rows.at(row).position < 0 ? row : -1;
}

QVariant AudiobookRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    const Playlist &book = m_books.at(row.book);
    switch (role) {
    case IsBookRole: return row.position < 0;
    case PlaylistIdRole: return book.id.toString(QUuid::WithoutBraces);
    case NameRole: return book.name;
    case ChapterTotalRole: return int(book.items.size());
    case FormattedTotalDurationRole: return book.formattedTotalDuration();
    case IsExpandedRole: return m_expanded.contains(book.id);
    case PositionRole: return row.position;
    case IsLastChapterRole: return row.position == book.items.size() - 1;
    default: break;
    }
    // A book row answers the item roles with empty values of their types.
    if (row.position < 0 && role == MediaRows::ItemIdRole)
        return QString();
    static const MediaItem noItem{};
    return MediaRows::data(row.position < 0 ? noItem : book.items.at(row.position), role);
}

QHash<int, QByteArray> AudiobookRowsModel::roleNames() const
{
    QHash<int, QByteArray> names = MediaRows::roleNames();
    names.insert({{IsBookRole, "isBook"},
                  {PlaylistIdRole, "playlistId"},
                  {NameRole, "name"},
                  {ChapterTotalRole, "chapterTotal"},
                  {FormattedTotalDurationRole, "formattedTotalDuration"},
                  {IsExpandedRole, "isExpanded"},
                  {PositionRole, "position"},
                  {IsLastChapterRole, "isLastChapter"}});
    return names;
}
