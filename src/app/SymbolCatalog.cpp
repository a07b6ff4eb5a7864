#include "SymbolCatalog.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace SymbolCatalog {

namespace {

const QString &iconDir()
{
    static const QString dir = u":/Lyrabox/icons"_s;
    return dir;
}

} // namespace

QStringList names()
{
    QStringList result;
    const QStringList files = QDir(iconDir()).entryList({u"*.svg"_s}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        result.append(file.chopped(4));
    return result;
}

bool contains(const QString &name)
{
    return !name.isEmpty() && QFile::exists(iconDir() + u'/' + name + u".svg"_s);
}

QImage render(const QString &name, const QColor &color, const QSize &size)
{
    QFile file(iconDir() + u'/' + name + u".svg"_s);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    svg.replace("currentColor", color.name(QColor::HexRgb).toLatin1());
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    const QSize target = size.isValid() && !size.isEmpty() ? size : renderer.defaultSize();
    const QSize fitted = renderer.defaultSize().scaled(target, Qt::KeepAspectRatio);
    QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setOpacity(color.alphaF());
    renderer.render(&painter);
    painter.end();
    return image;
}

} // namespace SymbolCatalog
