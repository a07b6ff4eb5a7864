#pragma once

#include <QQuickImageProvider>

// "image://tile/<from>/<to>/<radiusPermille>[/<ground>[/corner]]": a rounded rectangle
// filled with a linear gradient from the top-left corner (`from`) to the bottom-right one
// (`to`), colours as "rrggbb" or "aarrggbb" hex without "#", the corner radius in
// thousandths of the shorter side. With an opaque `ground`, the corners are painted in it
// and the image is opaque (no blending where it is drawn), unless the fill is fully
// transparent: then it is a hole cut in the ground. Drawn once per size, so a card's tile
// is one texture, however many cards a list makes (a mirrored image puts the start at the
// top-right). With "corner", only the top-left quarter of a tile twice the size asked
// for: mirrored, the piece that rounds any corner of a square shape (`RoundedCorners`).
class TileImageProvider : public QQuickImageProvider
{
public:
    TileImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
