#include "IdListModel.h"

#include <algorithm>
#include <optional>

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

namespace {

// The runs of `longer` that are not in `shorter`, when `shorter` is `longer` with some
// entries left out (same order), as [first, last] positions in `longer`; none when it
// is not, or when there are more than `limit` runs.
std::optional<QList<std::pair<qsizetype, qsizetype>>>
missingRuns(const QList<QUuid> &longer, const QList<QUuid> &shorter, int limit)
{
    QList<std::pair<qsizetype, qsizetype>> runs;
    qsizetype j = 0;
    for (qsizetype i = 0; i < longer.size(); ++i) {
        if (j < shorter.size() && longer[i] == shorter[j]) {
            ++j;
            continue;
        }
        if (!runs.isEmpty() && runs.last().second == i - 1) {
            runs.last().second = i;
        } else {
            if (runs.size() == limit)
                return std::nullopt;
            runs.append({i, i});
        }
    }
    if (j != shorter.size())
        return std::nullopt;
    return runs;
}

} // namespace

bool IdListModel::replaceBySubsequence(const QList<QUuid> &next)
{
    const QList<QUuid> old = m_ids;
    if (next.size() < old.size()) {
        const auto runs = missingRuns(old, next, maxRangeChanges);
        if (!runs)
            return false;
        // From the last run backwards, so earlier positions stay valid.
        for (auto run = runs->crbegin(); run != runs->crend(); ++run) {
            beginRemoveRows({}, int(run->first), int(run->second));
            m_ids.remove(run->first, run->second - run->first + 1);
            endRemoveRows();
        }
    } else {
        const auto runs = missingRuns(next, old, maxRangeChanges);
        if (!runs)
            return false;
        // From the first run on: each run's positions in `next` are where it lands once
        // the runs before it are in.
        for (const auto &[first, last] : *runs) {
            beginInsertRows({}, int(first), int(last));
            m_ids.insert(first, last - first + 1, QUuid());
            std::copy(next.cbegin() + first, next.cbegin() + last + 1, m_ids.begin() + first);
            endInsertRows();
        }
    }
    Q_ASSERT(m_ids == next);
    return true;
}

void IdListModel::appendRows(const QList<QUuid> &ids)
{
    if (ids.isEmpty())
        return;
    const int first = int(m_ids.size());
    beginInsertRows({}, first, first + int(ids.size()) - 1);
    m_ids.append(ids);
    endInsertRows();
    Q_EMIT countChanged();
}

void IdListModel::replaceRows(const QList<QUuid> &next, const std::function<void()> &commit,
                              bool contentsMayDiffer)
{
    const QList<QUuid> old = m_ids;
    const qsizetype oldSize = old.size();
    const qsizetype newSize = next.size();

    const auto apply = [&] {
        if (commit)
            commit();
    };
    if (old == next) {
        apply();
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
        apply();
        endInsertRows();
    } else if (newMid == 0) {
        beginRemoveRows({}, int(prefix), int(prefix + oldMid - 1));
        m_ids = next;
        apply();
        endRemoveRows();
    } else if (oldMid == newMid && oldMid >= 2 && next[prefix] == old[prefix + oldMid - 1]
               && rangeEqual(old, prefix, next, prefix + 1, oldMid - 1)) {
        // The last row of the changed part moved up to its start.
        const int from = int(prefix + oldMid - 1);
        beginMoveRows({}, from, from, {}, int(prefix));
        m_ids = next;
        apply();
        endMoveRows();
    } else if (oldMid == newMid && oldMid >= 2 && old[prefix] == next[prefix + oldMid - 1]
               && rangeEqual(old, prefix + 1, next, prefix, oldMid - 1)) {
        // The first row of the changed part moved down to its end.
        const int from = int(prefix);
        beginMoveRows({}, from, from, {}, int(prefix + oldMid));
        m_ids = next;
        apply();
        endMoveRows();
    } else if (!commit && replaceBySubsequence(next)) {
        // Several ranges, told one by one.
    } else if (!commit && oldSize > 0 && newSize > 0) {
        // Every row out, the new ones in: unlike a reset, this lets a view that reuses
        // its delegates bind the ones it has to the new rows instead of making each
        // anew (a search over the whole library costs a frame less than half as long).
        beginRemoveRows({}, 0, int(oldSize - 1));
        m_ids.clear();
        endRemoveRows();
        beginInsertRows({}, 0, int(newSize - 1));
        m_ids = next;
        apply();
        endInsertRows();
    } else {
        structural = false;
        beginResetModel();
        m_ids = next;
        apply();
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

int IdListModel::rowOfId(const QString &id) const
{
    const QUuid uuid = QUuid::fromString(id);
    if (uuid.isNull())
        return -1;
    return int(m_ids.indexOf(uuid));
}

QString IdListModel::idAt(int row) const
{
    return row >= 0 && row < m_ids.size() ? m_ids.at(row).toString(QUuid::WithoutBraces) : QString();
}
