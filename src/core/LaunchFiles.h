#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class LibraryManager;
class MediaPlayerManager;

// Files and folders given on the command line ("lyrabox FILE|FOLDER|file://URI..."), as
// a file manager's "Open With" passes them.
namespace LaunchFiles {

struct Parsed
{
    // Existing local files and folders, in the order given.
    QList<QUrl> urls;
    // Arguments that name nothing on disk or are not local (http:, other schemes).
    QStringList skipped;
};

// Paths are taken relative to `workingDirectory`; "file:" URIs as they are. Options
// (arguments starting with "-") are not ours and are skipped too.
Parsed parse(const QStringList &arguments, const QString &workingDirectory);

// Imports `urls` as a drop does and, once the library holds them, plays what they name
// in library order, starting with the first one given (a folder's first item). Items
// already in the library play as well. Nothing happens when none is media.
void open(LibraryManager &library, MediaPlayerManager &player, const QList<QUrl> &urls);

} // namespace LaunchFiles
