#include "ArtworkImageProvider.h"

#include "ArtworkCache.h"

ArtworkImageProvider::ArtworkImageProvider(ArtworkCache &cache)
    : QQuickImageProvider(QQuickImageProvider::Image), m_cache(cache)
{
}

QImage ArtworkImageProvider::requestImage(const QString &id, QSize *size,
                                          const QSize &requestedSize)
{
    QImage image = m_cache.imageForId(id, requestedSize);
    if (size)
        *size = image.size();
    return image;
}
