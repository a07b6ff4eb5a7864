#include "DownloadsModel.h"

#include "core/DownloadManager.h"
#include "core/LibraryManager.h"

#include <QFileInfo>

DownloadsModel::DownloadsModel(QObject *parent) : IdListModel(parent) {}

void DownloadsModel::setManager(DownloadManager *manager)
{
    if (m_manager == manager)
        return;
    if (m_manager)
        disconnect(m_manager, nullptr, this, nullptr);
    m_manager = manager;
    if (m_manager) {
        connect(m_manager, &DownloadManager::downloadsChanged, this, &DownloadsModel::sync);
        connect(m_manager, &DownloadManager::downloadUpdated, this, &DownloadsModel::updateEntry);
    }
    sync();
    Q_EMIT managerChanged();
}

void DownloadsModel::sync()
{
    QList<DownloadTask> next = m_manager ? m_manager->downloads() : QList<DownloadTask>();
    QList<QUuid> nextIds;
    nextIds.reserve(next.size());
    for (const DownloadTask &task : std::as_const(next))
        nextIds.append(task.id);
    replaceRows(nextIds, [&] { m_tasks = std::move(next); }, false);
}

void DownloadsModel::updateEntry(int index)
{
    if (!m_manager || index < 0 || index >= m_manager->downloads().size())
        return;
    const DownloadTask &now = m_manager->downloads().at(index);
    const auto row = std::find(m_tasks.begin(), m_tasks.end(), now); // by id
    if (row == m_tasks.end()) {
        sync();
        return;
    }
    QList<int> roles;
    if (row->progress != now.progress)
        roles.append(ProgressRole);
    if (row->status != now.status)
        roles.append(StatusRole);
    if (row->statusMessage != now.statusMessage)
        roles.append(StatusMessageRole);
    if (row->outputURLOrEmpty() != now.outputURLOrEmpty())
        roles.append(OutputUrlRole);
    if (row->title != now.title)
        roles.append(TitleRole);
    *row = now;
    if (!roles.isEmpty()) {
        const QModelIndex changed = this->index(int(row - m_tasks.begin()));
        Q_EMIT dataChanged(changed, changed, roles);
    }
}

QVariant DownloadsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_tasks.size())
        return {};
    const DownloadTask &task = m_tasks.at(index.row());
    switch (role) {
    case TaskIdRole: return task.id.toString(QUuid::WithoutBraces);
    case TitleRole: return task.title;
    case IsAudioOnlyRole: return task.isAudioOnly;
    case StatusRole: return int(task.status);
    case StatusMessageRole: return task.statusMessage;
    case ProgressRole: return task.progress;
    case OutputUrlRole: return task.outputURLOrEmpty();
    }
    return {};
}

QHash<int, QByteArray> DownloadsModel::roleNames() const
{
    return {{TaskIdRole, "taskId"},
            {TitleRole, "title"},
            {IsAudioOnlyRole, "isAudioOnly"},
            {StatusRole, "status"},
            {StatusMessageRole, "statusMessage"},
            {ProgressRole, "progress"},
            {OutputUrlRole, "outputUrl"}};
}

bool DownloadsModel::addToLibrary(const QString &taskId, LibraryManager *library) const
{
    const QUuid id = QUuid::fromString(taskId);
    if (!library || id.isNull())
        return false;
    const auto task = std::find_if(m_tasks.cbegin(), m_tasks.cend(),
                                   [&id](const DownloadTask &t) { return t.id == id; });
    if (task == m_tasks.cend() || task->status != DownloadTask::Status::completed || !task->outputURL)
        return false;
    // A file deleted since it was downloaded would still become a library item (by its
    // name); it is not added.
    if (!QFileInfo(task->outputURL->toLocalFile()).isFile())
        return false;
    library->addFiles({*task->outputURL});
    return true;
}
