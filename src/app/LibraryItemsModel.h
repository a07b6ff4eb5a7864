#pragma once

#include "IdListModel.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class LibraryManager;
Q_MOC_INCLUDE("core/LibraryManager.h")

// The library's items (allItems) as a list model. An import's records arrive as
// single appended rows; a re-sort or a removal is one reset or one removed row. Reads
// the records from the manager, keeping only their ids. Rows carry the media-row roles
// (MediaRows).
class LibraryItemsModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(LibraryManager *library READ library WRITE setLibrary NOTIFY libraryChanged)

public:
    explicit LibraryItemsModel(QObject *parent = nullptr);

    LibraryManager *library() const { return m_library; }
    void setLibrary(LibraryManager *library);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void libraryChanged();

private:
    void sync();

    QPointer<LibraryManager> m_library;
    bool m_appendHandled = false;
};
