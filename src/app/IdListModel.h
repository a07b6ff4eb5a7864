#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QUuid>
#include <functional>

// Base of the list models over manager lists whose records carry a UUID. Turns a new
// list into the finest change it can see (rows appended, one row inserted, removed or
// moved, contents changed in place) so that QML views keep their scroll position and
// delegates; anything else resets the model (see replaceRows).
class IdListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int count() const { return int(m_ids.size()); }
    // The first row holding the record with that id (QUuid text, braces optional); -1 when none.
    Q_INVOKABLE int rowOfId(const QString &id) const;
    // The id of a row (QUuid text without braces); empty out of range.
    Q_INVOKABLE QString idAt(int row) const;

Q_SIGNALS:
    void countChanged();

protected:
    // Makes the rows those of `ids`. `commit` swaps the subclass's data to the new list;
    // it is called exactly once, inside the begin/end pair of the change. When the ids
    // are the same and `contentsMayDiffer`, every row reports changed data.
    //
    // Without `commit` (a subclass that reads each row's record through ids()), a list
    // that only lost rows or only gained rows, in several places, is told as up to
    // maxRangeChanges removed or inserted ranges (a search typed or cleared, a filtered
    // import), and any other change as every row removed and the new ones inserted
    // rather than a reset, so that views reuse their delegates.
    void replaceRows(const QList<QUuid> &ids, const std::function<void()> &commit,
                     bool contentsMayDiffer);
    // Appends rows at the end as one inserted range.
    void appendRows(const QList<QUuid> &ids);
    // Appends one row at the end.
    void appendRow(const QUuid &id, const std::function<void()> &commit);
    // Tells views that `roles` of every row may have changed (position-dependent data).
    void refreshAll(const QList<int> &roles);
    const QList<QUuid> &ids() const { return m_ids; }

    // More separate ranges than this cost a view more than one reset.
    static constexpr int maxRangeChanges = 64;

private:
    bool replaceBySubsequence(const QList<QUuid> &next);

    QList<QUuid> m_ids;
};
