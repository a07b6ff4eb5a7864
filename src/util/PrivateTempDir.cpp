#include "PrivateTempDir.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// lstat() on the path itself: a link is reported as a link, never followed.
bool statNoFollow(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

void removeTree(int parentFd, const char *name);

// Removes everything inside the directory open at `fd`.
void clearDirectory(int fd)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        removeTree(::dirfd(dir), entry->d_name);
    }
    ::closedir(dir);
}

// Removes one entry relative to `parentFd`; the entry's kind is read without
// following links, and subdirectories are opened with O_NOFOLLOW so a directory
// swapped for a link meanwhile is not entered.
void removeTree(int parentFd, const char *name)
{
    struct stat info;
    if (::fstatat(parentFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISDIR(info.st_mode)) {
        const int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0)
            clearDirectory(fd);
        ::unlinkat(parentFd, name, AT_REMOVEDIR);
    } else {
        ::unlinkat(parentFd, name, 0);
    }
}

} // namespace

PrivateTempDir::PrivateTempDir(QString parent)
    : m_parent(parent.isEmpty() ? QDir::tempPath() : std::move(parent))
{
}

bool PrivateTempDir::isOurPrivateDirectory(const QString &dir)
{
    struct stat info;
    if (!statNoFollow(dir, &info)) {
        m_error = errnoText(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        m_error = u"%1 is not a private directory of this user"_s.arg(dir);
        return false;
    }
    // Ours but readable by others (made by an older run or by hand): close it.
    if ((info.st_mode & 077) != 0 && ::chmod(QFile::encodeName(dir).constData(), 0700) != 0) {
        m_error = errnoText(errno);
        return false;
    }
    return true;
}

QString PrivateTempDir::path()
{
    m_error.clear();
    if (!m_path.isEmpty()) {
        if (isOurPrivateDirectory(m_path))
            return m_path;
        // Removed (or replaced) since: make it again below.
        if (::mkdir(QFile::encodeName(m_path).constData(), 0700) == 0
            && isOurPrivateDirectory(m_path))
            return m_path;
    }

    const QString wanted = m_parent + u"/lyrabox-"_s + QString::number(::geteuid());
    const QByteArray wantedName = QFile::encodeName(wanted);
    if (::mkdir(wantedName.constData(), 0700) == 0 || errno == EEXIST) {
        if (isOurPrivateDirectory(wanted)) {
            m_path = wanted;
            return m_path;
        }
    }

    // The usual name is taken by something we must not use: make an unpredictable one.
    QByteArray pattern = wantedName + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        m_error = errnoText(errno);
        return {};
    }
    m_path = QFile::decodeName(pattern);
    return m_path;
}

bool PrivateTempDir::ensureSubdirectory(const QString &dir, QString *error)
{
    const QByteArray name = QFile::encodeName(dir);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    struct stat info;
    if (!statNoFollow(dir, &info)) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        return true;
    // Not a directory of ours (a link, a file): replace it by a real directory.
    ::unlink(name.constData());
    if (::mkdir(name.constData(), 0700) != 0) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    return true;
}

void PrivateTempDir::clearContents(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0)
        clearDirectory(fd);
}
