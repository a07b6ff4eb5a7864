#include "ArtworkCache.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

using namespace Qt::StringLiterals;

ArtworkCache::ArtworkCache(qsizetype maxDecodedBytes, int maxEntries)
{
    m_decoded.setMaxCost(maxDecodedBytes);
    m_encoded.setMaxCost(maxEntries);
}

ArtworkCache &ArtworkCache::shared()
{
    static ArtworkCache cache;
    return cache;
}

QUrl ArtworkCache::sourceFor(const QString &key, const QByteArray &bytes)
{
    if (bytes.isEmpty() || key.isEmpty())
        return {};
    {
        QMutexLocker lock(&m_mutex);
        const QByteArray *known = m_encoded.object(key);
        if (!known || known->constData() != bytes.constData())
            m_encoded.insert(key, new QByteArray(bytes), 1);
    }
    return QUrl(u"image://artwork/"_s + key);
}

namespace {

QImage rounded(const QImage &source, int radiusPermille)
{
    if (radiusPermille <= 0)
        return source;
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal r = std::min(source.width(), source.height()) * radiusPermille / 1000.0;
    QPainterPath path;
    path.addRoundedRect(QRectF(out.rect()), r, r);
    painter.setClipPath(path);
    painter.drawImage(0, 0, source);
    return out;
}

} // namespace

QImage ArtworkCache::imageForId(const QString &id, const QSize &requested)
{
    const QStringList parts = id.split(u'/');
    const Fit fit = parts.value(1) == u"fill"_s ? Fit::Crop : Fit::Inside;
    return image(parts.value(0), requested, fit, std::clamp(parts.value(2).toInt(), 0, 500));
}

QImage ArtworkCache::image(const QString &key, const QSize &requested, Fit fit,
                           int radiusPermille)
{
    QByteArray bytes;
    {
        QMutexLocker lock(&m_mutex);
        const QByteArray *known = m_encoded.object(key);
        if (!known)
            return {};
        bytes = *known;
    }
    const QString decodedKey = QString::number(quintptr(bytes.constData()), 16) + u'/'
                               + QString::number(bytes.size()) + u'/'
                               + QString::number(requested.width()) + u'x'
                               + QString::number(requested.height()) + u'/'
                               + QString::number(int(fit)) + u'/'
                               + QString::number(radiusPermille);
    {
        QMutexLocker lock(&m_mutex);
        if (const QImage *hit = m_decoded.object(decodedKey))
            return *hit;
    }

    // Decoding runs outside the lock: two threads may decode the same picture once
    // each, which is cheaper than serialising every decode.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    const bool sized = requested.isValid() && !requested.isEmpty() && full.isValid();
    if (sized) {
        QSize target = full.scaled(requested, fit == Fit::Crop ? Qt::KeepAspectRatioByExpanding
                                                               : Qt::KeepAspectRatio);
        // Never decode larger than the picture itself.
        if (target.width() > full.width() || target.height() > full.height())
            target = full;
        reader.setScaledSize(target.expandedTo(QSize(1, 1)));
    }
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (sized && fit == Fit::Crop) {
        const QSize crop = requested.boundedTo(image.size());
        image = image.copy((image.width() - crop.width()) / 2, (image.height() - crop.height()) / 2,
                           crop.width(), crop.height());
    }
    image = rounded(image, radiusPermille);

    QMutexLocker lock(&m_mutex);
    const qsizetype cost = image.sizeInBytes();
    if (cost <= m_decoded.maxCost())
        m_decoded.insert(decodedKey, new QImage(image), cost);
    return image;
}

int ArtworkCache::decodedCount() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_decoded.count());
}

qsizetype ArtworkCache::decodedBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_decoded.totalCost();
}
