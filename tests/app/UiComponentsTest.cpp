// The C++ side of the views: artwork decoding and icons.
#include "ArtworkCache.h"
#include "SidebarTab.h"
#include "SymbolCatalog.h"
#include "SymbolImageProvider.h"
#include "TileImageProvider.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A picture of the given size, encoded as PNG.
QByteArray pngOf(const QSize &size, QColor color = Qt::red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(ArtworkCacheTest, DecodesAtDisplaySizeWithRoundedCornersAndRefusesJunk)
{
    ArtworkCache cache;
    EXPECT_EQ(cache.sourceFor(u"k"_s, pngOf(QSize(1000, 500))), QUrl(u"image://artwork/k"_s));
    EXPECT_EQ(cache.image(u"k"_s, QSize(100, 100)).size(), QSize(100, 50));
    EXPECT_EQ(cache.image(u"k"_s, QSize(100, 100), ArtworkCache::Fit::Crop).size(),
              QSize(100, 100));
    EXPECT_EQ(cache.image(u"k"_s, QSize(4000, 4000)).size(), QSize(1000, 500)) << "never enlarged";
    const QImage rounded = cache.imageForId(u"k/fill/136"_s, QSize(88, 88));
    EXPECT_EQ(rounded.size(), QSize(88, 88));
    EXPECT_EQ(qAlpha(rounded.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(rounded.pixel(44, 44)), 255);

    EXPECT_TRUE(cache.sourceFor(u"empty"_s, QByteArray()).isEmpty());
    cache.sourceFor(u"junk"_s, QByteArray("not a picture at all"));
    EXPECT_TRUE(cache.image(u"junk"_s, QSize(10, 10)).isNull());
}

// A tile runs from its first colour in the top-left corner to its second in the
// bottom-right, with transparent corners when rounded; a mangled id still gives an image.
TEST(TileImageProviderTest, DiagonalGradientAndNoCrashOnMangledIds)
{
    TileImageProvider provider;
    const QImage rounded = provider.requestImage(u"ff0000/0000ff/250"_s, nullptr, QSize(40, 20));
    EXPECT_EQ(qAlpha(rounded.pixel(0, 0)), 0);
    const QColor nearStart = rounded.pixelColor(6, 6), nearEnd = rounded.pixelColor(33, 13);
    EXPECT_TRUE(nearStart.red() > nearStart.blue() && nearEnd.blue() > nearEnd.red());
    // A corner piece on an opaque ground: the ground outside the arc, the fill inside
    // it and along both inner edges, and nothing left transparent.
    const QImage corner =
        provider.requestImage(u"f5f5f7/f5f5f7/500/ffffff/corner"_s, nullptr, QSize(12, 12));
    ASSERT_EQ(corner.size(), QSize(12, 12));
    EXPECT_FALSE(corner.hasAlphaChannel());
    EXPECT_EQ(corner.pixelColor(0, 0), QColor(0xff, 0xff, 0xff));
    for (const QPoint p : {QPoint(11, 11), QPoint(11, 1), QPoint(1, 11), QPoint(6, 6)})
        EXPECT_EQ(corner.pixelColor(p), QColor(0xf5, 0xf5, 0xf7)) << p.x() << "," << p.y();
    // With a transparent fill the arc is a hole: clear inside, the ground outside.
    const QImage hole =
        provider.requestImage(u"00000000/00000000/500/ffffff/corner"_s, nullptr, QSize(12, 12));
    EXPECT_EQ(hole.pixelColor(0, 0), QColor(0xff, 0xff, 0xff));
    EXPECT_EQ(qAlpha(hole.pixel(11, 11)), 0);
    EXPECT_EQ(qAlpha(hole.pixel(6, 6)), 0);
    for (const QString &id : {QString(), u"zz/%%/x"_s, u"ff0000/0000ff/99999"_s})
        EXPECT_FALSE(provider.requestImage(id, nullptr, QSize(100000, 8)).isNull());
}

// Every symbol name written in the views (any quoted text on a "symbol:" or
// "...Symbol:" line, such as a page's "emptySymbol:") and every tab's symbol has an
// icon that draws something, all of it in the asked colour.
TEST(SymbolCatalogTest, EveryNameTheViewsUseHasAnIcon)
{
    QSet<QString> used;
    for (SidebarTab::Tab tab : SidebarTab::allCases())
        used.insert(SidebarTab::symbol(tab));
    const QRegularExpression symbolLine(uR"re(\b(?:symbol|[a-z]\w*Symbol)\s*:([^\n]*))re"_s);
    const QRegularExpression quoted(uR"re("([^"]+)")re"_s);
    for (QDirIterator it(u":/Lyrabox"_s, {u"*.qml"_s}, QDir::Files); it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto line = symbolLine.globalMatch(text); line.hasNext();) {
            for (auto q = quoted.globalMatch(line.next().captured(1)); q.hasNext();)
                used.insert(q.next().captured(1));
        }
    }
    ASSERT_GT(used.size(), 20);

    for (const QString &name : std::as_const(used)) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(SymbolCatalog::contains(name));
        const QImage image = SymbolCatalog::render(name, QColor(0, 0x7a, 0xff), QSize(32, 32));
        ASSERT_EQ(image.size(), QSize(32, 32));
        int drawn = 0, offColour = 0;
        for (int i = 0; i < 32 * 32; ++i) {
            const QColor c = QColor::fromRgba(image.pixel(i % 32, i / 32));
            drawn += c.alpha() > 200;
            offColour += c.alpha() > 200 && (c.blue() <= 200 || c.red() >= 40);
        }
        EXPECT_GT(drawn, 20);
        EXPECT_EQ(offColour, 0);
    }
    EXPECT_TRUE(SymbolCatalog::render(u"no.such.symbol"_s, Qt::black, QSize(8, 8)).isNull());
}

// A symbol on a tile: the tile's colour at its edges, rounded corners left clear, the
// symbol's colour in the middle; an oversized request or a mangled id still gives a
// bounded image.
TEST(SymbolImageProviderTest, SymbolCentredOnARoundedTile)
{
    SymbolImageProvider provider;
    QSize size;
    const QImage tile =
        provider.requestImage(u"music.note/0000ff/ff0000/500/250"_s, &size, QSize(36, 36));
    ASSERT_EQ(size, QSize(36, 36));
    EXPECT_EQ(qAlpha(tile.pixel(0, 0)), 0);
    EXPECT_EQ(tile.pixelColor(18, 1), QColor(Qt::red));
    int blue = 0;
    for (int y = 9; y < 27; ++y) {
        for (int x = 9; x < 27; ++x)
            blue += tile.pixelColor(x, y).blue() > 200;
    }
    EXPECT_GT(blue, 20);
    EXPECT_EQ(provider.requestImage(u"music.note/zz/%%/x/y"_s, nullptr, QSize(100000, 8)).size(),
              QSize(4096, 8));
}

} // namespace
