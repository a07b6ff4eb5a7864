#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <functional>

// Pictures for video items without a cover, taken by VideoFrameGrabber and kept twice:
// in memory (bounded) and as JPEG files in the user's cache directory, so a grid
// shown again, even in a later session, does not decode again. Entries are known by
// the file's path, size and modification time, so a changed file gets a new picture;
// a file that gives no picture is remembered (in memory) and not tried again while
// it stays unchanged.
//
// Thread-safe: the image provider calls it from several loading threads at once. It
// decodes and touches the disk, so never call it from the GUI thread.
class VideoFrameCache
{
public:
    // Takes the picture of a local file fitted inside a size; null when there is none.
    using Grabber = std::function<QImage(const QString &localPath, QSize maxSize)>;

    // `directory` holds the files (made with mode 0700 when first written; an empty
    // path keeps pictures in memory only); `grab` defaults to VideoFrameGrabber.
    explicit VideoFrameCache(QString directory = defaultDirectory(), Grabber grab = {},
                             qsizetype maxMemoryBytes = 48 * 1024 * 1024);

    // The cache the app's image provider uses.
    static VideoFrameCache &shared();

    // "<generic cache location>/Lyrabox/thumbnails" (XDG_CACHE_HOME or ~/.cache), never
    // beside the user's files; empty when the system names no cache location.
    static QString defaultDirectory();

    // The picture of the video at `localPath` (an absolute path), large enough to fill
    // `requested` when cropped (taken in a few fixed sizes, so a grid resized by a few
    // pixels reuses it); the bucket's size when `requested` is not valid. Null for
    // files that are not regular files or give no picture.
    QImage frame(const QString &localPath, QSize requested);

    // The square box pictures are taken in for a requested size: 320, 640 or 1280.
    static QSize boxFor(QSize requested);

    QString directory() const { return m_directory; }

private:
    QString diskPath(const QByteArray &key) const;
    void store(const QString &path, const QImage &image);

    const QString m_directory;
    const Grabber m_grab;
    mutable QMutex m_mutex;
    QCache<QByteArray, QImage> m_images; // by file identity and box; cost in bytes
    QCache<QByteArray, bool> m_failed;   // by file identity
};
