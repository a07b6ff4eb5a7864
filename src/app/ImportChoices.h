#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>
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
    // Where the choosers open: the user's Music folder, or home when there is none.
    Q_INVOKABLE static QUrl startFolder();
    // The file a playlist is exported to by default: its name made safe as a file name
    // ("/" and control characters replaced; "Playlist" when nothing is left) plus ".m3u8".
    Q_INVOKABLE static QUrl playlistFileIn(const QUrl &folder, const QString &playlistName);
};
