#include "ImageProviders.h"

#include "ArtworkCache.h"
#include "ArtworkImageProvider.h"
#include "SymbolImageProvider.h"
#include "TileImageProvider.h"
#include "VideoFrameCache.h"
#include "VideoFrameImageProvider.h"

#include <QQmlEngine>

using namespace Qt::StringLiterals;

void addImageProviders(QQmlEngine &engine, VideoFrameCache &frames)
{
    engine.addImageProvider(u"artwork"_s, new ArtworkImageProvider(ArtworkCache::shared()));
    engine.addImageProvider(u"symbol"_s, new SymbolImageProvider);
    engine.addImageProvider(u"tile"_s, new TileImageProvider);
    engine.addImageProvider(u"videoframe"_s, new VideoFrameImageProvider(frames));
}

void addImageProviders(QQmlEngine &engine)
{
    addImageProviders(engine, VideoFrameCache::shared());
}

namespace ImageId {

QColor colorPart(const QStringList &parts, qsizetype i, const QColor &fallback)
{
    const QColor c = i < parts.size() ? QColor(u'#' + parts.at(i)) : QColor();
    return c.isValid() ? c : fallback;
}

QSize drawnSize(const QSize &requested, const QSize &fallback)
{
    return requested.isValid() && !requested.isEmpty() ? requested.boundedTo(QSize(4096, 4096))
                                                       : fallback;
}

} // namespace ImageId
