#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// What the file chooser offers: one name filter of every extension the library imports.
class ImportChoices : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // "Media files (*.mp3 *.m4a ...)" — both cases of each extension, since the
    // chooser matches them case-sensitively and the import does not.
    Q_INVOKABLE static QStringList nameFilters();
};
