#include "SymbolImageProvider.h"

#include "ImageProviders.h"
#include "SymbolCatalog.h"

#include <QLoggingCategory>
#include <QPainter>

using namespace Qt::StringLiterals;

SymbolImageProvider::SymbolImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

namespace {

QImage symbolImage(const QString &name, const QColor &color, const QSize &target)
{
    QImage image = SymbolCatalog::render(name, color, target);
    if (!image.isNull())
        return image;
    qWarning("No icon for the symbol \"%s\"", qPrintable(name));
    image = QImage(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(color, 2));
    const QRect box = image.rect().adjusted(2, 2, -2, -2);
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    return image;
}

} // namespace

QImage SymbolImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QStringList parts = id.split(u'/');
    const QColor color = ImageId::colorPart(parts, 1, Qt::black);
    const QSize target = ImageId::drawnSize(requestedSize, QSize(32, 32));
    QImage image;
    if (parts.size() < 5) {
        image = symbolImage(parts.first(), color, target);
    } else {
        const int side = std::min(target.width(), target.height());
        const int symbolSide = std::max(1, side * qBound(0, parts.at(3).toInt(), 1000) / 1000);
        const qreal radius = side * qBound(0, parts.at(4).toInt(), 500) / 1000.0;
        image = QImage(target, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ImageId::colorPart(parts, 2, Qt::transparent));
        painter.drawRoundedRect(QRectF(image.rect()), radius, radius);
        const QImage symbol = symbolImage(parts.first(), color, QSize(symbolSide, symbolSide));
        painter.drawImage((target.width() - symbol.width()) / 2,
                          (target.height() - symbol.height()) / 2, symbol);
    }
    if (size)
        *size = image.size();
    return image;
}
