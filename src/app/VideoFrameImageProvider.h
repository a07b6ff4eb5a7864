#pragma once

#include <QQuickAsyncImageProvider>
#include <QThreadPool>
#include <QUrl>

class VideoFrameCache;

// "image://videoframe/<percent-encoded absolute path>": a picture from inside a video
// file (VideoFrameCache), for video items without a cover. With a requested size the
// picture is cropped to fill it exactly (the cards are 16:9 whatever the video's
// shape). No picture gives an error, so the view keeps its placeholder.
//
// Pictures are taken on the provider's own threads (two, asking for a low priority), never
// on the GUI thread; a request the view gives up on before its turn (a card scrolled
// away) is dropped without decoding.
class VideoFrameImageProvider : public QQuickAsyncImageProvider
{
public:
    explicit VideoFrameImageProvider(VideoFrameCache &cache);
    ~VideoFrameImageProvider() override; // waits for the pictures being taken

    QQuickImageResponse *requestImageResponse(const QString &id,
                                              const QSize &requestedSize) override;

    // "image://videoframe/…" for a local file URL; empty for anything else.
    static QUrl sourceFor(const QUrl &fileUrl);

    // The local path an id names, whether Qt hands it over percent-encoded in full or
    // partly decoded; empty unless absolute.
    static QString pathForId(const QString &id);

    // `frame` scaled to cover `requested` and cropped to it around the centre; scaled
    // to the one given side when the other is 0; unchanged without a size.
    static QImage filled(const QImage &frame, QSize requested);

private:
    VideoFrameCache &m_cache;
    QThreadPool m_pool;
};
