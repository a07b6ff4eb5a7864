#include "FileManagerReveal.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>

using namespace Qt::StringLiterals;

FileManagerReveal::FileManagerReveal(QObject *parent)
    : FileManagerReveal(QDBusConnection::sessionBus(), &QDesktopServices::openUrl, parent)
{
}

FileManagerReveal::FileManagerReveal(const QDBusConnection &bus, FolderOpener openFolder,
                                     QObject *parent)
    : QObject(parent), m_bus(bus), m_openFolder(std::move(openFolder))
{
}

void FileManagerReveal::reveal(const QUrl &file)
{
    if (!file.isLocalFile() || file.toLocalFile().isEmpty()) {
        report(file, Outcome::Failed);
        return;
    }
    const QFileInfo info(file.toLocalFile());
    if (!info.exists()) {
        report(file, Outcome::Missing);
        return;
    }
    if (!m_bus.isConnected()) {
        openFolder(file);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        u"org.freedesktop.FileManager1"_s, u"/org/freedesktop/FileManager1"_s,
        u"org.freedesktop.FileManager1"_s, u"ShowItems"_s);
    const QString uri = QString::fromUtf8(QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded());
    // No startup notification id: the file manager raises its window as it sees fit.
    call << QStringList{uri} << QString();
    // The watcher is a child: a reveal destroyed meanwhile reports nothing.
    auto *watcher =
        new QDBusPendingCallWatcher(m_bus.asyncCall(call, int(m_timeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, file](QDBusPendingCallWatcher *done) {
                done->deleteLater();
                if (done->isError())
                    openFolder(file);
                else
                    report(file, Outcome::Shown);
            });
}

void FileManagerReveal::openFolder(const QUrl &file)
{
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(file.toLocalFile()).absolutePath());
    report(file, m_openFolder && m_openFolder(folder) ? Outcome::OpenedFolder : Outcome::Failed);
}

void FileManagerReveal::report(const QUrl &file, Outcome outcome)
{
    QMetaObject::invokeMethod(
        this, [this, file, outcome] { Q_EMIT finished(file, outcome); }, Qt::QueuedConnection);
}

QString FileManagerReveal::message(Outcome outcome, const QUrl &file)
{
    const QString name = file.isLocalFile() ? file.fileName() : file.toDisplayString();
    switch (outcome) {
    case Outcome::Shown:
    case Outcome::OpenedFolder:
        return QString();
    case Outcome::Missing:
        return tr("“%1” is no longer on disk.").arg(name);
    case Outcome::Failed:
        return tr("“%1” could not be shown in a file manager.").arg(name);
    }
    return QString();
}
