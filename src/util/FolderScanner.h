#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Lists the files of a folder tree for import.
namespace FolderScanner {

// Every entry under `folderPath` (recursively) whose lower-cased extension is in
// `extensions`, in enumeration order. Hidden entries (names starting with a dot) are
// skipped, and so is everything inside hidden folders. Symbolic links to folders are
// not followed, so link loops cannot trap the scan; links to files are listed. Entries
// whose names are not valid in the file-name encoding are skipped, since no path we
// could hand on would name them. Unreadable subfolders are skipped. Returns nothing
// when the folder itself does not exist or cannot be read. Blocks on the file system:
// call it off the main thread.
std::optional<QStringList> scan(const QString &folderPath, const QStringList &extensions);

} // namespace FolderScanner
