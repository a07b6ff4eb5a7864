#pragma once

#include "models/MediaItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Playlists kept as extended M3U files, the form other players read and write.
// Pure file work, no Qt event loop: callable from any thread.
namespace PlaylistFile {

// "m3u" and "m3u8" (compared lower-cased).
const QStringList &extensions();
bool isPlaylistFile(const QUrl &url);

// Larger files are refused: a playlist of this size would list some 100,000 entries.
inline constexpr qint64 maxFileSize = 16 * 1024 * 1024;

// Writes `items` as UTF-8 extended M3U: "#EXTM3U", then per item an "#EXTINF:<whole
// seconds>,<artist> - <title>" line (-1 for an unknown length) and its absolute path.
// Through QSaveFile: on failure the target is left as it was and `error` says why.
bool write(const QString &path, const QList<MediaItem> &items, QString *error = nullptr);

struct Contents
{
    // Existing local files, in the file's order, duplicates kept, as clean absolute
    // file URLs.
    QList<QUrl> entries;
    int missing = 0;     // local entries naming no file
    int remote = 0;      // entries with a scheme other than file: (http:, rtsp:, ...)
    int unsupported = 0; // folders and other playlists (never followed)
};

// Reads an .m3u or .m3u8 file. Relative entries are resolved against the file's
// folder. A line that is not valid UTF-8 is read as Latin-1, as older programs wrote
// it. Fails (with `error`) only when the file itself cannot be read or is too large.
bool read(const QString &path, Contents *contents, QString *error = nullptr);

} // namespace PlaylistFile
