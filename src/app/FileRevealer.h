#pragma once

#include "platform/FileManagerReveal.h"

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// "Show in File Manager" for the views: reveals a library file and reports, as a
// message for the user, a file that is gone or could not be shown.
class FileRevealer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit FileRevealer(QObject *parent = nullptr);

    Q_INVOKABLE void reveal(const QUrl &file);

Q_SIGNALS:
    // A translated message: the file is no longer on disk, or could not be shown.
    void notice(const QString &text);

private:
    FileManagerReveal m_reveal;
};
