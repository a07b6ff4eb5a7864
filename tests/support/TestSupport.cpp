#include "TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

namespace TestSupport {

bool waitUntil(const std::function<bool()> &done, std::chrono::milliseconds timeout)
{
    QDeadlineTimer deadline(timeout);
    while (!done()) {
        if (deadline.hasExpired())
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

QString scratchRoot()
{
    QString root = qEnvironmentVariable("LYRABOX_TEST_TMP");
    if (root.isEmpty())
        root = QDir::tempPath() + QStringLiteral("/lyrabox-tests");
    QDir().mkpath(root);
    return root;
}

} // namespace TestSupport
