#include "PlaylistFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <cmath>

using namespace Qt::StringLiterals;

namespace PlaylistFile {

namespace {

// One line of text: line breaks inside a title would start a new entry.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

QString infoLine(const MediaItem &item)
{
    const qint64 seconds =
        std::isfinite(item.duration) && item.duration >= 0.5 ? std::llround(item.duration) : -1;
    QString title = item.title.isEmpty() ? MediaItem::titleFromURL(item.url) : item.title;
    if (!item.artist.isEmpty())
        title = item.artist + u" - "_s + title;
    return u"#EXTINF:"_s + QString::number(seconds) + u',' + oneLine(title);
}

// A path with a line break cannot stand on a line of its own: it goes as a file URL,
// whose encoding escapes the break.
QString locationLine(const QUrl &url)
{
    if (!url.isLocalFile())
        return url.toString(QUrl::FullyEncoded);
    const QString path = url.toLocalFile();
    if (path.contains(u'\n') || path.contains(u'\r'))
        return QString::fromLatin1(url.toEncoded());
    return path;
}

QString decodeLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// A URL scheme of two or more letters; "C:" is a Windows drive, read as a (missing) path.
const QRegularExpression &schemePattern()
{
    static const QRegularExpression pattern(u"^[A-Za-z][A-Za-z0-9+.\\-]+:"_s);
    return pattern;
}

void addEntry(const QString &text, const QDir &folder, Contents *contents)
{
    QString path;
    // "Intro:Outro.mp3" looks like a URL but may be a file beside the playlist.
    if (schemePattern().match(text).hasMatch() && !QFileInfo::exists(folder.filePath(text))) {
        const QUrl url(text);
        const bool local =
            url.isLocalFile() && (url.host().isEmpty() || url.host() == u"localhost"_s);
        if (!local) {
            ++contents->remote;
            return;
        }
        // Not toLocalFile: it keeps a "localhost" host as part of the path.
        path = url.path(QUrl::FullyDecoded);
    } else {
        path = text;
    }
    path = QDir::cleanPath(folder.absoluteFilePath(path));
    QFileInfo info(path);
    // Playlists written on Windows separate folders with backslashes.
    if (!info.exists() && path.contains(u'\\')) {
        const QString slashed =
            QDir::cleanPath(folder.absoluteFilePath(QString(text).replace(u'\\', u'/')));
        if (QFileInfo::exists(slashed)) {
            path = slashed;
            info.setFile(path);
        }
    }
    if (!info.exists()) {
        ++contents->missing;
        return;
    }
    if (info.isDir() || isPlaylistFile(QUrl::fromLocalFile(path))) {
        ++contents->unsupported;
        return;
    }
    contents->entries.append(QUrl::fromLocalFile(path));
}

} // namespace

const QStringList &extensions()
{
    static const QStringList list{u"m3u"_s, u"m3u8"_s};
    return list;
}

bool isPlaylistFile(const QUrl &url)
{
    return extensions().contains(QFileInfo(url.fileName()).suffix().toLower());
}

bool write(const QString &path, const QList<MediaItem> &items, QString *error)
{
    QString text = u"#EXTM3U\n"_s;
    for (const MediaItem &item : items) {
        text += infoLine(item);
        text += u'\n';
        text += locationLine(item.url);
        text += u'\n';
    }
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool read(const QString &path, Contents *contents, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    *contents = Contents();
    const QFileInfo info(path);
    // Only a regular file: opening a FIFO or a device could block or never end.
    if (!info.isFile())
        return fail(info.exists() ? QCoreApplication::translate("PlaylistFile", "It is not a file.")
                                  : QCoreApplication::translate("PlaylistFile", "The file does not exist."));
    if (info.size() > maxFileSize)
        return fail(QCoreApplication::translate("PlaylistFile", "The file is too large for a playlist."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // The size is checked again on the bytes read, in case the file grew meanwhile.
    QByteArray bytes = file.read(maxFileSize + 1);
    if (bytes.size() > maxFileSize)
        return fail(QCoreApplication::translate("PlaylistFile", "The file is too large for a playlist."));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    const QDir folder = info.absoluteDir();
    QByteArrayView rest(bytes);
    while (!rest.isEmpty()) {
        qsizetype end = rest.indexOf('\n');
        if (end < 0)
            end = rest.size();
        const QString line = decodeLine(rest.first(end)).trimmed(); // trims a CR too
        rest = rest.sliced(std::min(end + 1, rest.size()));
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        addEntry(line, folder, contents);
    }
    return true;
}

} // namespace PlaylistFile
