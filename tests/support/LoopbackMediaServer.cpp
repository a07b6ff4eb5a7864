#include "LoopbackMediaServer.h"

#include "MediaFixtures.h"

#include <QDir>
#include <QRegularExpression>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

LoopbackMediaServer::LoopbackMediaServer(QString root) : m_root(std::move(root))
{
    QDir().mkpath(m_root);
}

bool LoopbackMediaServer::start(QString *error)
{
    m_server = std::make_unique<QProcess>();
    m_server->setProgram(u"/usr/bin/python3"_s);
    m_server->setArguments({u"-u"_s, u"-m"_s, u"http.server"_s, u"--bind"_s, u"127.0.0.1"_s,
                            u"--directory"_s, m_root, u"0"_s});
    m_server->setStandardErrorFile(QProcess::nullDevice());
    // The server goes with this process even when it is killed before cleaning up.
    m_server->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_server->start();
    static const QRegularExpression portPattern(u"port (\\d+)"_s);
    QByteArray banner;
    while (m_server->waitForReadyRead(15000)) {
        banner += m_server->readAllStandardOutput();
        const auto match = portPattern.match(QString::fromUtf8(banner));
        if (match.hasMatch()) {
            m_port = match.captured(1).toInt();
            return true;
        }
    }
    *error = u"http.server did not start: "_s + m_server->errorString();
    return false;
}

QString LoopbackMediaServer::url(const QString &path) const
{
    return u"http://127.0.0.1:%1/"_s.arg(m_port) + path;
}

bool LoopbackMediaServer::makeClip(const QString &name, double seconds, QString *error)
{
    if (MediaFixtures::writeVideo(m_root + u'/' + name, QSize(160, 120), seconds))
        return true;
    *error = MediaFixtures::lastError();
    return false;
}
