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
