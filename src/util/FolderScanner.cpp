#include "FolderScanner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace FolderScanner {

namespace {

bool nameRoundTrips(const QString &dirPath, const QString &name)
{
    // A name whose bytes are not valid UTF-8 decodes with replacement characters and
    // would encode back to a different (usually nonexistent) path.
    if (!name.contains(QChar::ReplacementCharacter))
        return true;
    return QFileInfo::exists(dirPath + u'/' + name);
}

void scanDirectory(const QString &dirPath, const QSet<QString> &extensions, QStringList &out)
{
    const QDir dir(dirPath);
    // Unsorted: the caller orders the result; System includes links to missing targets.
    // Without QDir::Hidden, dot-files and dot-folders are left out here.
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (!nameRoundTrips(dirPath, name))
            continue;
        const QString path = dirPath + u'/' + name;
        if (extensions.contains(entry.suffix().toLower()))
            out.append(path);
        if (entry.isDir() && !entry.isSymLink())
            scanDirectory(path, extensions, out);
    }
}

} // namespace

std::optional<QStringList> scan(const QString &folderPath, const QStringList &extensions)
{
    const QFileInfo root(folderPath);
    if (!root.isDir() || !root.isReadable() || !root.isExecutable())
        return std::nullopt;
    QString rootPath = QDir::cleanPath(root.absoluteFilePath());
    if (rootPath.endsWith(u'/') && rootPath.size() > 1)
        rootPath.chop(1);
    const QSet<QString> wanted(extensions.cbegin(), extensions.cend());
    QStringList files;
    scanDirectory(rootPath == u"/" ? QString() : rootPath, wanted, files);
    return files;
}

} // namespace FolderScanner
