#include "ChapterModel.h"

#include "core/MediaPlayerManager.h"
#include "util/RTLSupport.h"

ChapterModel::ChapterModel(QObject *parent) : IdListModel(parent) {}

void ChapterModel::setPlayer(MediaPlayerManager *player)
{
    if (m_player == player)
        return;
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (m_player) {
        connect(m_player, &MediaPlayerManager::chaptersChanged, this, &ChapterModel::sync);
        connect(m_player, &MediaPlayerManager::currentChapterChanged, this,
                &ChapterModel::updateCurrent);
    }
    sync();
    Q_EMIT playerChanged();
}

void ChapterModel::sync()
{
    QList<Chapter> next = m_player ? m_player->chapters() : QList<Chapter>();
    QList<QUuid> ids;
    ids.reserve(next.size());
    for (const Chapter &chapter : std::as_const(next))
        ids.append(chapter.id);
    replaceRows(ids, [&] { m_chapters = std::move(next); }, true);
    updateCurrent();
}

void ChapterModel::updateCurrent()
{
    QUuid current;
    if (m_player && m_player->currentChapter())
        current = m_player->currentChapter()->id;
    if (current == m_currentId)
        return;
    // Only the rows that gain or lose the mark change.
    const QUuid previous = m_currentId;
    m_currentId = current;
    for (int row = 0; row < m_chapters.size(); ++row) {
        const QUuid &id = m_chapters.at(row).id;
        if ((!previous.isNull() && id == previous) || (!current.isNull() && id == current))
            Q_EMIT dataChanged(index(row), index(row), {IsCurrentRole});
    }
}

QVariant ChapterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_chapters.size())
        return {};
    const Chapter &chapter = m_chapters.at(index.row());
    switch (role) {
    case TitleRole: return chapter.title;
    case NumberRole: return chapter.index + 1;
    case FormattedStartTimeRole: return chapter.formattedStartTime();
    case FormattedLengthRole: return chapter.formattedLength();
    case IsCurrentRole: return !m_currentId.isNull() && chapter.id == m_currentId;
    case TitleIsRTLRole: return RTLSupport::isRTL(chapter.title);
    case ChapterIdRole: return chapter.id.toString(QUuid::WithoutBraces);
    }
    return {};
}

QHash<int, QByteArray> ChapterModel::roleNames() const
{
    return {{TitleRole, "title"},
            {NumberRole, "number"},
            {FormattedStartTimeRole, "formattedStartTime"},
            {FormattedLengthRole, "formattedLength"},
            {IsCurrentRole, "isCurrent"},
            {TitleIsRTLRole, "titleIsRTL"},
            {ChapterIdRole, "chapterId"}};
}
