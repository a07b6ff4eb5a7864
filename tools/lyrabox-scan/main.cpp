// lyrabox-scan PATH...: hands the paths to the library's drop handling, waits for
// every import to finish and prints the library as JSON on standard output.
#include "LibraryJson.h"
#include "core/LibraryManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.contains(QStringLiteral("--help"))) {
        std::fprintf(stderr, "usage: lyrabox-scan PATH...\n"
                             "Imports the files and folders as a drop on the window would and\n"
                             "prints the library as JSON.\n");
        return args.isEmpty() ? 2 : 0;
    }

    QList<QUrl> urls;
    for (const QString &arg : args)
        urls.append(QUrl::fromLocalFile(QDir::current().absoluteFilePath(arg)));

    LibraryManager library;
    QObject::connect(&library, &LibraryManager::importsFinished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!library.handleDrop(urls))
        return 2;
    app.exec();

    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    out.write(QJsonDocument(libraryToJson(library)).toJson(QJsonDocument::Indented));
    return 0;
}
