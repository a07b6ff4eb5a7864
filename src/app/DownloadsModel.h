#pragma once

#include "IdListModel.h"
#include "models/DownloadTask.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class DownloadManager;
class LibraryManager;
Q_MOC_INCLUDE("core/DownloadManager.h")
Q_MOC_INCLUDE("core/LibraryManager.h")

// The download queue. Entries added or removed are inserted or removed rows; a progress
// line changes only the roles of that entry that differ.
class DownloadsModel : public IdListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DownloadManager *manager READ manager WRITE setManager NOTIFY managerChanged)

public:
    enum Role {
        TaskIdRole = Qt::UserRole + 1,
        TitleRole,
        IsAudioOnlyRole,
        StatusRole, // DownloadTask::Status as its number
        StatusMessageRole,
        ProgressRole,
        OutputUrlRole,
    };

    explicit DownloadsModel(QObject *parent = nullptr);

    DownloadManager *manager() const { return m_manager; }
    void setManager(DownloadManager *manager);

    // "Add to Library" of a row: imports the entry's file when the entry is completed and
    // the file is still on disk; false (nothing imported) otherwise.
    Q_INVOKABLE bool addToLibrary(const QString &taskId, LibraryManager *library) const;

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void managerChanged();

private:
    void sync();
    void updateEntry(int index);

    QPointer<DownloadManager> m_manager;
    QList<DownloadTask> m_tasks;
};
