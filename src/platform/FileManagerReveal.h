#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

// Shows one local file in the desktop's file manager, selected: the file manager's
// org.freedesktop.FileManager1 ShowItems call on the session bus, asynchronously (the
// caller never waits for the file manager). When none answers (no bus, no such
// service, an error, no reply in time) the file's folder is opened instead.
// Main thread.
class FileManagerReveal : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Shown,        // the file manager shows the file
        OpenedFolder, // no file manager answered; its folder was opened
        Missing,      // the file is no longer there; nothing was called
        Failed,       // not a local file, or the folder could not be opened either
    };
    Q_ENUM(Outcome)

    // Opens a folder in whatever the desktop opens folders with; true when started.
    using FolderOpener = std::function<bool(const QUrl &folder)>;

    // The session bus and QDesktopServices::openUrl.
    explicit FileManagerReveal(QObject *parent = nullptr);
    FileManagerReveal(const QDBusConnection &bus, FolderOpener openFolder,
                      QObject *parent = nullptr);

    // How long the file manager has to answer before the folder is opened instead.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    // Starts revealing `file`; `finished` reports the outcome, always later from the
    // event loop, never from within this call.
    void reveal(const QUrl &file);

    // The message for the user about an outcome that needs one (Missing, Failed),
    // translated; empty for the others.
    static QString message(Outcome outcome, const QUrl &file);

Q_SIGNALS:
    void finished(const QUrl &file, FileManagerReveal::Outcome outcome);

private:
    void openFolder(const QUrl &file);
    void report(const QUrl &file, Outcome outcome);

    QDBusConnection m_bus;
    FolderOpener m_openFolder;
    std::chrono::milliseconds m_timeout{5000};
};
