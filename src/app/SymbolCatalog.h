#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The icons behind the symbol names the views use ("play.fill", "repeat.1", ...). Each
// name is an SVG shipped in the app's resources at :/Lyrabox/icons/<name>.svg, drawn
// in "currentColor" so that one file serves every colour.
namespace SymbolCatalog {

// Every name with an icon, sorted.
QStringList names();
bool contains(const QString &name);

// The icon drawn in `color`, fitted inside `size` (aspect kept). A null image for an
// unknown name.
QImage render(const QString &name, const QColor &color, const QSize &size);

} // namespace SymbolCatalog
