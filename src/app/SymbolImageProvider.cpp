#include "SymbolImageProvider.h"

#include "SymbolCatalog.h"

#include <QLoggingCategory>
#include <QPainter>

using namespace Qt::StringLiterals;

SymbolImageProvider::SymbolImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage SymbolImageProvider::requestImage(const QString &id, QSize *size,
                                         const QSize &requestedSize)
{
    const qsizetype slash = id.lastIndexOf(u'/');
    const QString name = slash < 0 ? id : id.left(slash);
    QColor color = slash < 0 ? QColor(Qt::black) : QColor(u'#' + id.mid(slash + 1));
    if (!color.isValid())
        color = Qt::black;
    const QSize target = requestedSize.isValid() && !requestedSize.isEmpty() ? requestedSize
                                                                              : QSize(32, 32);
    QImage image = SymbolCatalog::render(name, color, target);
    if (image.isNull()) {
        qWarning("No icon for the symbol \"%s\"", qPrintable(name));
        image = QImage(target, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(QPen(color, 2));
        const QRect box = image.rect().adjusted(2, 2, -2, -2);
        painter.drawRect(box);
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
    if (size)
        *size = image.size();
    return image;
}
