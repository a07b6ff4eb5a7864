#include "LaunchFiles.h"

#include "LibraryManager.h"
#include "MediaPlayerManager.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace LaunchFiles {

Parsed parse(const QStringList &arguments, const QString &workingDirectory)
{
    Parsed parsed;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        QString path;
        if (argument.startsWith(u"file:"_s)) {
            const QUrl url(argument);
            if (url.isValid() && url.isLocalFile())
                path = url.toLocalFile();
        } else if (!argument.startsWith(u'-') && !argument.contains(u"://"_s)) {
            path = QDir(workingDirectory).absoluteFilePath(argument);
        }
        const QFileInfo info(path);
        if (path.isEmpty() || !info.exists()) {
            parsed.skipped.append(argument);
            continue;
        }
        parsed.urls.append(QUrl::fromLocalFile(info.absoluteFilePath()));
    }
    return parsed;
}

namespace {

// Whether the item's file is `given` or lies in the folder `given`.
bool isNamedBy(const MediaItem &item, const QString &given)
{
    const QString path = item.url.toLocalFile();
    return path == given || path.startsWith(given.endsWith(u'/') ? given : given + u'/');
}

void playNamed(LibraryManager &library, MediaPlayerManager &player, const QStringList &given)
{
    QList<MediaItem> queue;
    int start = -1;
    for (const MediaItem &item : library.allItems()) {
        for (int g = 0; g < given.size(); ++g) {
            if (!isNamedBy(item, given.at(g)))
                continue;
            if (g == 0 && start < 0)
                start = int(queue.size());
            queue.append(item);
            break;
        }
    }
    if (!queue.isEmpty())
        player.play(queue, std::max(0, start));
}

} // namespace

void open(LibraryManager &library, MediaPlayerManager &player, const QList<QUrl> &urls)
{
    if (urls.isEmpty())
        return;
    QStringList given;
    for (const QUrl &url : urls)
        given.append(QDir::cleanPath(url.toLocalFile()));
    if (!library.handleDrop(urls))
        return;
    QPointer<LibraryManager> libraryGuard(&library);
    QPointer<MediaPlayerManager> playerGuard(&player);
    // The imports of this launch end together (a drop queues its folders).
    QObject::connect(&library, &LibraryManager::importsFinished, &player,
                     [libraryGuard, playerGuard, given] {
                         if (libraryGuard && playerGuard)
                             playNamed(*libraryGuard, *playerGuard, given);
                     },
                     Qt::SingleShotConnection);
}

} // namespace LaunchFiles
