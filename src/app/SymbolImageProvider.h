#pragma once

#include <QQuickImageProvider>

// "image://symbol/<name>/<colour>": the icon of a symbol name drawn in a colour
// ("rrggbb" or "aarrggbb" hex, without "#"). An unknown name draws a crossed box and
// warns, so a missing icon is visible rather than a blank button.
class SymbolImageProvider : public QQuickImageProvider
{
public:
    SymbolImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
