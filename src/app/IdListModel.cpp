#include "IdListModel.h"

#include <algorithm>

int IdListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

namespace {

bool rangeEqual(const QList<QUuid> &a, qsizetype aFrom, const QList<QUuid> &b, qsizetype bFrom,
                qsizetype length)
{
    return std::equal(a.cbegin() + aFrom, a.cbegin() + aFrom + length, b.cbegin() + bFrom);
}

} // namespace

void IdListModel::replaceRows(const QList<QUuid> &next, const std::function<void()> &commit,
                              bool contentsMayDiffer)
{
    const QList<QUuid> old = m_ids;
    const qsizetype oldSize = old.size();
    const qsizetype newSize = next.size();

    if (old == next) {
        commit();
        if (contentsMayDiffer && newSize > 0)
            Q_EMIT dataChanged(index(0), index(int(newSize - 1)));
        return;
    }

    // The common prefix and suffix bound the part that changed.
    qsizetype prefix = 0;
    while (prefix < oldSize && prefix < newSize && old[prefix] == next[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < oldSize - prefix && suffix < newSize - prefix
           && old[oldSize - 1 - suffix] == next[newSize - 1 - suffix])
        ++suffix;
    const qsizetype oldMid = oldSize - prefix - suffix; // rows only in the old list
    const qsizetype newMid = newSize - prefix - suffix; // rows only in the new list

    bool structural = true;
    if (oldMid == 0) {
        beginInsertRows({}, int(prefix), int(prefix + newMid - 1));
        m_ids = next;
        commit();
        endInsertRows();
    } else if (newMid == 0) {
        beginRemoveRows({}, int(prefix), int(prefix + oldMid - 1));
        m_ids = next;
        commit();
        endRemoveRows();
    } else if (oldMid == newMid && oldMid >= 2 && next[prefix] == old[prefix + oldMid - 1]
               && rangeEqual(old, prefix, next, prefix + 1, oldMid - 1)) {
        // The last row of the changed part moved up to its start.
        const int from = int(prefix + oldMid - 1);
        beginMoveRows({}, from, from, {}, int(prefix));
        m_ids = next;
        commit();
        endMoveRows();
    } else if (oldMid == newMid && oldMid >= 2 && old[prefix] == next[prefix + oldMid - 1]
               && rangeEqual(old, prefix + 1, next, prefix, oldMid - 1)) {
        // The first row of the changed part moved down to its end.
        const int from = int(prefix);
        beginMoveRows({}, from, from, {}, int(prefix + oldMid));
        m_ids = next;
        commit();
        endMoveRows();
    } else {
        structural = false;
        beginResetModel();
        m_ids = next;
        commit();
        endResetModel();
    }
    if (structural && contentsMayDiffer && newSize > 0)
        Q_EMIT dataChanged(index(0), index(int(newSize - 1)));
    if (oldSize != newSize)
        Q_EMIT countChanged();
}

void IdListModel::appendRow(const QUuid &id, const std::function<void()> &commit)
{
    const int row = int(m_ids.size());
    beginInsertRows({}, row, row);
    m_ids.append(id);
    commit();
    endInsertRows();
    Q_EMIT countChanged();
}

void IdListModel::refreshAll(const QList<int> &roles)
{
    if (!m_ids.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_ids.size() - 1)), roles);
}
