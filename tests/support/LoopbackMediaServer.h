#pragma once

#include <QProcess>
#include <QString>
#include <memory>

// An HTTP server on 127.0.0.1 (python3's http.server on a free port) serving a folder
// of media made at test time by MediaFixtures. Nothing it serves points outside
// 127.0.0.1. The server stops when the object is destroyed (QProcess kills it).
class LoopbackMediaServer
{
public:
    // Serves `root` (created when missing).
    explicit LoopbackMediaServer(QString root);

    // Starts the server; false with a reason when it cannot.
    bool start(QString *error);
    QString root() const { return m_root; }
    // "http://127.0.0.1:<port>/" + path.
    QString url(const QString &path) const;

    // A test-pattern clip (MediaFixtures::writeVideo) of `seconds` at root/name.
    bool makeClip(const QString &name, double seconds, QString *error);

private:
    QString m_root;
    std::unique_ptr<QProcess> m_server;
    int m_port = 0;
};
