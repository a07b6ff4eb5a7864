#include "TileImageProvider.h"

#include "ImageProviders.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

TileImageProvider::TileImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage TileImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QStringList parts = id.split(u'/');
    const auto colorAt = [&](int i) { return ImageId::colorPart(parts, i, Qt::transparent); };
    const int radiusPermille = parts.size() > 2 ? qBound(0, parts.at(2).toInt(), 500) : 0;
    const QSize target = ImageId::drawnSize(requestedSize, QSize(64, 64));

    // Square and opaque, or laid on the opaque colour of what it sits on (a fourth
    // part), the tile is drawn without blending (cheaper for a software renderer). A
    // fully transparent fill on a ground is a hole cut in it instead: the corner of a
    // rounded frame over a picture.
    const QColor ground = colorAt(3);
    const bool groundOpaque = ground.alpha() == 255;
    const bool hole = groundOpaque && colorAt(0).alpha() == 0 && colorAt(1).alpha() == 0;
    const bool opaque =
        (groundOpaque && !hole) ||
        (radiusPermille == 0 && colorAt(0).alpha() == 255 && colorAt(1).alpha() == 255);
    QImage image(target, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(groundOpaque ? ground : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hole)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A corner piece is the top-left quarter of a tile twice its size.
    const bool corner = parts.size() > 4 && parts.at(4) == u"corner";
    const QSizeF whole = corner ? QSizeF(target) * 2 : QSizeF(target);
    QLinearGradient gradient(QPointF(0, 0), QPointF(whole.width(), whole.height()));
    gradient.setColorAt(0, colorAt(0));
    gradient.setColorAt(1, colorAt(1));
    const qreal radius = std::min(whole.width(), whole.height()) * radiusPermille / 1000.0;
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), whole), radius, radius);
    painter.fillPath(path, gradient);
    painter.end();
    if (size)
        *size = image.size();
    return image;
}
