#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QUrl>

// Artwork for the views: the encoded cover bytes of items, registered under the item's
// id, decoded on demand at the size the view draws them and kept in a bounded cache.
//
// Thread-safe: the image provider asks from Qt Quick's image loading threads while
// the models register from the main thread. Registering keeps a shared reference to
// the bytes (no copy). Decoded images are keyed by the bytes' buffer, so every item of
// a book that shares one cover decodes it once per size.
class ArtworkCache
{
public:
    // `maxDecodedBytes` bounds the pixels kept; `maxEntries` the registered covers.
    explicit ArtworkCache(qsizetype maxDecodedBytes = 48 * 1024 * 1024, int maxEntries = 20000);

    // The cache the app's views and image provider share.
    static ArtworkCache &shared();

    // Registers the bytes under `key` and returns "image://artwork/<key>", or an empty
    // URL when there are no bytes.
    QUrl sourceFor(const QString &key, const QByteArray &bytes);

    enum class Fit { Inside, Crop };

    // The image for `key` fitted inside `requested` (aspect kept; the full size when
    // `requested` is not valid), or cropped to fill it exactly with Fit::Crop. Corners
    // are rounded with a radius of `radiusPermille` thousandths of the shorter side.
    // A null image for an unknown key or undecodable bytes.
    QImage image(const QString &key, const QSize &requested, Fit fit = Fit::Inside,
                 int radiusPermille = 0);

    // image() for a provider id "<key>[/fit|/fill[/<radiusPermille>]]".
    QImage imageForId(const QString &id, const QSize &requested);

    // Decoded images held now, and their total size in bytes.
    int decodedCount() const;
    qsizetype decodedBytes() const;

private:
    mutable QMutex m_mutex;
    QCache<QString, QByteArray> m_encoded;
    QCache<QString, QImage> m_decoded; // cost in bytes
};
