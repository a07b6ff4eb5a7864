#pragma once

#include <QObject>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

// The clipboard for the "Paste YouTube URL" command.
class SystemClipboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The clipboard's plain text, unchanged, or undefined when it holds no text.
    Q_INVOKABLE static QVariant text();
};
