#include "VideoFrameCache.h"

#include "media/VideoFrameGrabber.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The path, size and modification time of a file: whatever changes one of them is
// another picture.
QByteArray identityOf(const QFileInfo &info)
{
    return QFile::encodeName(info.absoluteFilePath()) + '\0' + QByteArray::number(info.size()) +
           '\0' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
}

// Makes `path` a directory only its owner can enter, with any missing parents (as the
// XDG base directories are made). An existing one must be a real directory of ours; it
// is closed to others if it was not. False when it cannot be had.
bool makePrivateDirectory(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) == 0) {
        if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
            return false;
        return (info.st_mode & 077) == 0 || ::chmod(name.constData(), 0700) == 0;
    }
    if (errno != ENOENT)
        return false;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !QFileInfo::exists(parent) && !makePrivateDirectory(parent))
        return false;
    return ::mkdir(name.constData(), 0700) == 0 || errno == EEXIST;
}

QImage readStored(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    QImageReader reader(path, "jpeg");
    QImage image = reader.read();
    if (image.isNull())
        QFile::remove(path); // damaged: taken again and written anew
    return image;
}

} // namespace

VideoFrameCache::VideoFrameCache(QString directory, Grabber grab, qsizetype maxMemoryBytes)
    : m_directory(std::move(directory)),
      m_grab(grab ? std::move(grab) : Grabber([](const QString &path, QSize maxSize) {
          return VideoFrameGrabber::grabFrame(path, maxSize);
      }))
{
    m_images.setMaxCost(maxMemoryBytes);
    m_failed.setMaxCost(20000);
}

VideoFrameCache &VideoFrameCache::shared()
{
    static VideoFrameCache cache;
    return cache;
}

QString VideoFrameCache::defaultDirectory()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + u"/Lyrabox/thumbnails"_s;
}

QSize VideoFrameCache::boxFor(QSize requested)
{
    const int longest = std::max(requested.width(), requested.height());
    if (longest <= 0)
        return QSize(640, 640);
    const int side = longest <= 320 ? 320 : longest <= 640 ? 640 : 1280;
    return QSize(side, side);
}

QString VideoFrameCache::diskPath(const QByteArray &key) const
{
    if (m_directory.isEmpty())
        return {};
    return m_directory + u'/' +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           u".jpg"_s;
}

void VideoFrameCache::store(const QString &path, const QImage &image)
{
    if (!makePrivateDirectory(m_directory))
        return; // kept in memory only
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(85);
    if (writer.write(image))
        file.commit();
    else
        file.cancelWriting();
}

QImage VideoFrameCache::frame(const QString &localPath, QSize requested)
{
    // Only regular files: a FIFO would block the reader, and a relative path would
    // depend on the working directory.
    const QFileInfo info(localPath);
    if (localPath.isEmpty() || !info.isAbsolute() || !info.isFile())
        return {};
    const QByteArray file = identityOf(info);
    const QSize box = boxFor(requested);
    const QByteArray key = file + '\0' + QByteArray::number(box.width());
    {
        QMutexLocker lock(&m_mutex);
        if (m_failed.contains(file))
            return {};
        if (const QImage *known = m_images.object(key))
            return *known;
    }

    const QString stored = diskPath(key);
    QImage image = stored.isEmpty() ? QImage() : readStored(stored);
    const bool taken = image.isNull();
    if (taken)
        image = m_grab(info.absoluteFilePath(), box);
    {
        QMutexLocker lock(&m_mutex);
        if (image.isNull()) {
            m_failed.insert(file, new bool(true), 1);
            return {};
        }
        m_images.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
    }
    if (taken && !stored.isEmpty())
        store(stored, image);
    return image;
}
