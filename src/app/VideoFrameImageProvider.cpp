#include "VideoFrameImageProvider.h"

#include "VideoFrameCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Sizes beyond any screen are clamped: the requested size comes from QML.
constexpr int largestSide = 4096;

// Takes the picture on a pool thread and hands it over by a signal, so a response the
// engine has already deleted is simply not reached.
class FrameTask : public QObject, public QRunnable
{
    Q_OBJECT

public:
    FrameTask(VideoFrameCache &cache, QString path, QSize requested,
              std::shared_ptr<std::atomic_bool> cancelled)
        : m_cache(cache), m_path(std::move(path)), m_requested(requested),
          m_cancelled(std::move(cancelled))
    {}

    void run() override
    {
        QImage image;
        if (!m_cancelled->load())
            image =
                VideoFrameImageProvider::filled(m_cache.frame(m_path, m_requested), m_requested);
        Q_EMIT done(image);
    }

Q_SIGNALS:
    void done(const QImage &image);

private:
    VideoFrameCache &m_cache;
    const QString m_path;
    const QSize m_requested;
    const std::shared_ptr<std::atomic_bool> m_cancelled;
};

class FrameResponse : public QQuickImageResponse
{
    Q_OBJECT

public:
    FrameResponse() = default;

    std::shared_ptr<std::atomic_bool> cancelledFlag() const { return m_cancelled; }

    void deliver(const QImage &image)
    {
        m_image = image;
        if (image.isNull() && !m_cancelled->load())
            m_error = QCoreApplication::translate("VideoFrameImageProvider",
                                                  "No picture could be taken from this video.");
        Q_EMIT finished();
    }

    QQuickTextureFactory *textureFactory() const override
    {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return m_error; }
    void cancel() override { m_cancelled->store(true); }

private:
    QImage m_image;
    QString m_error;
    const std::shared_ptr<std::atomic_bool> m_cancelled = std::make_shared<std::atomic_bool>(false);
};

} // namespace

VideoFrameImageProvider::VideoFrameImageProvider(VideoFrameCache &cache) : m_cache(cache)
{
    // Two at a time keeps a core free for the interface; the threads ask for a low
    // priority so that a grid filling in does not make scrolling stutter.
    m_pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 2));
    m_pool.setThreadPriority(QThread::LowPriority);
}

VideoFrameImageProvider::~VideoFrameImageProvider()
{
    m_pool.clear();
    m_pool.waitForDone();
}

QQuickImageResponse *VideoFrameImageProvider::requestImageResponse(const QString &id,
                                                                   const QSize &requestedSize)
{
    auto *response = new FrameResponse;
    const QString path = pathForId(id);
    if (path.isEmpty()) {
        // After the engine has connected to the response.
        QMetaObject::invokeMethod(
            response, [response] { response->deliver({}); }, Qt::QueuedConnection);
        return response;
    }
    const QSize requested(std::clamp(requestedSize.width(), 0, largestSide),
                          std::clamp(requestedSize.height(), 0, largestSide));
    auto *task = new FrameTask(m_cache, path, requested, response->cancelledFlag());
    // Queued: the response lives on the engine's image thread.
    QObject::connect(task, &FrameTask::done, response, &FrameResponse::deliver,
                     Qt::QueuedConnection);
    m_pool.start(task);
    return response;
}

QUrl VideoFrameImageProvider::sourceFor(const QUrl &fileUrl)
{
    if (!fileUrl.isLocalFile())
        return {};
    const QString path = fileUrl.toLocalFile();
    if (!QDir::isAbsolutePath(path))
        return {};
    return QUrl(u"image://videoframe/"_s + QString::fromLatin1(QUrl::toPercentEncoding(path)));
}

QString VideoFrameImageProvider::pathForId(const QString &id)
{
    // Decoding again what Qt has decoded already is safe: a "%" of the path itself
    // stays encoded ("%25") in every form Qt hands over.
    const QString path = QUrl::fromPercentEncoding(id.toUtf8());
    if (!QDir::isAbsolutePath(path) || path.contains(QChar(u'\0')))
        return {};
    return path;
}

QImage VideoFrameImageProvider::filled(const QImage &frame, QSize requested)
{
    if (frame.isNull())
        return {};
    const int width = requested.width(), height = requested.height();
    if (width <= 0 && height <= 0)
        return frame;
    if (width <= 0 || height <= 0) {
        return width > 0 ? frame.scaledToWidth(width, Qt::SmoothTransformation)
                         : frame.scaledToHeight(height, Qt::SmoothTransformation);
    }
    const QImage covering =
        frame.scaled(requested, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return covering.copy((covering.width() - width) / 2, (covering.height() - height) / 2, width,
                         height);
}

#include "VideoFrameImageProvider.moc"
