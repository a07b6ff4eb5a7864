#include "SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

using namespace Qt::StringLiterals;

namespace {

const QString serviceName = u"io.github.lyrabox.Lyrabox"_s;
const QString objectPath = u"/io/github/lyrabox/Lyrabox"_s;

} // namespace

bool SingleInstance::handOff(const QDBusConnection &bus, const QList<QUrl> &files,
                             std::chrono::milliseconds timeout)
{
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(serviceName))
        return false;
    QStringList uris;
    for (const QUrl &file : files)
        uris.append(file.toString());
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName, objectPath, serviceName, u"Open"_s);
    call << uris;
    const QDBusMessage reply = bus.call(call, QDBus::Block, int(timeout.count()));
    return reply.type() == QDBusMessage::ReplyMessage;
}

SingleInstance::SingleInstance(const QDBusConnection &bus, Opener open, QObject *parent)
    : QObject(parent), m_bus(bus), m_open(std::move(open))
{
}

SingleInstance::~SingleInstance()
{
    if (m_registered) {
        m_bus.unregisterService(serviceName);
        m_bus.unregisterObject(objectPath);
    }
}

bool SingleInstance::registerOnBus()
{
    if (!m_bus.isConnected() || !m_bus.registerObject(objectPath, this, QDBusConnection::ExportAllSlots))
        return false;
    m_registered = m_bus.registerService(serviceName);
    if (!m_registered)
        m_bus.unregisterObject(objectPath);
    return m_registered;
}

void SingleInstance::Open(const QStringList &uris)
{
    QList<QUrl> files;
    for (const QString &uri : uris) {
        const QUrl url(uri);
        if (url.isLocalFile())
            files.append(url);
    }
    if (m_open)
        m_open(files);
}
