#include "ChapterExtractor.h"

#include "models/MediaAsset.h"
#include "models/MediaItem.h"

#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace ChapterExtractor {

namespace {

QList<Chapter> convert(const QList<MediaAsset::ChapterGroup> &groups)
{
    QList<Chapter> chapters;
    chapters.reserve(groups.size());
    qint64 i = 0;
    for (const MediaAsset::ChapterGroup &group : groups) {
        QString title = u"Chapter %1"_s.arg(i + 1);
        for (const std::optional<QString> &text : group.itemTexts) {
            if (text && !text->isEmpty()) {
                title = *text;
                break;
            }
        }
        chapters.append(Chapter(title, group.start, group.start + group.duration, i));
        ++i;
    }
    return chapters;
}

} // namespace

QList<Chapter> extractChapters(const MediaAsset &asset, const QUrl &url)
{
    return extractChapters(asset, url, QLocale::system().uiLanguages());
}

QList<Chapter> extractChapters(const MediaAsset &asset, const QUrl &url,
                               const QStringList &preferredLanguages)
{
    QList<Chapter> chapters;

    // Titles in the first language the file lists.
    if (const auto locales = asset.loadChapterLocales(); locales && !locales->isEmpty()) {
        if (const auto groups = asset.loadChapterGroups({locales->first()}))
            chapters = convert(*groups);
    }

    // Files whose chapters carry no language: ask for the user's languages.
    if (chapters.isEmpty()) {
        if (const auto locales = asset.loadChapterLocales(); locales && locales->isEmpty()) {
            if (const auto groups = asset.loadChapterGroups(preferredLanguages))
                chapters = convert(*groups);
        }
    }

    // No marks at all: one chapter spanning the whole file.
    if (chapters.isEmpty()) {
        if (const auto duration = asset.loadDuration(); duration && *duration > 0)
            chapters.append(Chapter(MediaItem::titleFromURL(url), 0, *duration, 0));
    }

    std::stable_sort(chapters.begin(), chapters.end());
    return chapters;
}

} // namespace ChapterExtractor
