#pragma once

#include <QQuickImageProvider>

// "image://symbol/<name>/<colour>": the icon of a symbol name drawn in a colour
// ("rrggbb" or "aarrggbb" hex, without "#"). An unknown name draws a crossed box and
// warns, so a missing icon is visible rather than a blank button.
// "image://symbol/<name>/<colour>/<tile colour>/<symbol ‰>/<radius ‰>": the icon
// centred on a rounded square of the tile colour, its size and the corners' radius in
// thousandths of the square's side. One picture instead of a square and an icon laid
// on it: the rows of a list then draw all their tiles in one go.
class SymbolImageProvider : public QQuickImageProvider
{
public:
    SymbolImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
