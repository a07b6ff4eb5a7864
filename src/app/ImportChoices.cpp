#include "ImportChoices.h"

#include "core/LibraryManager.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

void addPatterns(QStringList &patterns, const QString &extension)
{
    patterns.append(u"*."_s + extension.toLower());
    patterns.append(u"*."_s + extension.toUpper());
}

} // namespace

QStringList ImportChoices::nameFilters()
{
    // Playlist files are offered beside the media: choosing one imports its entries
    // as a playlist named after it.
    QStringList media;
    for (const QString &extension : LibraryManager::allExtensions())
        addPatterns(media, extension);
    QStringList playlists;
    addPatterns(playlists, u"m3u"_s);
    addPatterns(playlists, u"m3u8"_s);
    return {tr("Media files and playlists (%1)").arg((media + playlists).join(u' ')),
            tr("Playlists (%1)").arg(playlists.join(u' '))};
}

QUrl ImportChoices::startFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (!music.isEmpty() && QFileInfo(music).isDir())
        return QUrl::fromLocalFile(music);
    return QUrl::fromLocalFile(QDir::homePath());
}

QUrl ImportChoices::playlistFileIn(const QUrl &folder, const QString &playlistName)
{
    QString name;
    for (const QChar c : playlistName)
        name.append(c == u'/' || c == u'\\' || c.category() == QChar::Other_Control ? u'_' : c);
    name = name.trimmed();
    if (name.isEmpty() || name == u"."_s || name == u".."_s)
        name = tr("Playlist");
    return QUrl::fromLocalFile(QDir(folder.toLocalFile()).filePath(name + u".m3u8"_s));
}
