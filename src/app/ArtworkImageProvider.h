#pragma once

#include <QQuickImageProvider>

class ArtworkCache;

// "image://artwork/<key>": covers from an ArtworkCache, decoded at the requested size.
// Called from Qt Quick's image loading threads.
class ArtworkImageProvider : public QQuickImageProvider
{
public:
    explicit ArtworkImageProvider(ArtworkCache &cache);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    ArtworkCache &m_cache;
};
