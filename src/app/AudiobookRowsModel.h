#pragma once

#include "IdListModel.h"
#include "models/Playlist.h"

#include <QPointer>
#include <QSet>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// The Audiobooks section as one flat list: a "book" row per audiobook playlist, in the
// library's order, followed, while that book is expanded, by one "chapter" row per item
// in the playlist's stored order. One list keeps the page lazy however long the books
// are: expanding a book of hundreds of chapters inserts rows, and the view makes only
// those in sight. Which books are expanded is the view's state, kept here.
class AudiobookRowsModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)
    Q_PROPERTY(int bookCount READ bookCount NOTIFY bookCountChanged)

public:
    enum Role {
        IsBookRole = Qt::UserRole + 100,
        PlaylistIdRole,
        // Book rows.
        NameRole,
        ChapterTotalRole,
        FormattedTotalDurationRole,
        IsExpandedRole,
        // Chapter rows: the 0-based position in the book, and whether it is the last.
        PositionRole,
        IsLastChapterRole,
    };

    explicit AudiobookRowsModel(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);
    int bookCount() const { return int(m_books.size()); }

    Q_INVOKABLE bool isExpanded(const QString &playlistId) const;
    Q_INVOKABLE void setExpanded(const QString &playlistId, bool expanded);
    Q_INVOKABLE void collapseAll();
    // The row of a book's header; -1 when there is no such book.
    Q_INVOKABLE int bookRow(const QString &playlistId) const;

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void libraryChanged();
    void bookCountChanged();

private:
    struct Row
    {
        int book = 0;
        int position = -1; // -1 for the book's own row
    };
    void sync();
    void rebuild(QList<Playlist> books, bool contentsMayDiffer);

    QPointer<LibraryManager> m_library;
    QList<Playlist> m_books;
    QList<Row> m_rows;
    QSet<QUuid> m_expanded;
};
