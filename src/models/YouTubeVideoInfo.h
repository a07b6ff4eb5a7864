#pragma once

#include "YouTubeError.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <optional>

// What yt-dlp says about one online video. A plain value, fixed at creation.
struct YouTubeVideoInfo
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(double duration MEMBER duration CONSTANT)
    Q_PROPERTY(QUrl thumbnail READ thumbnailOrEmpty CONSTANT)
    Q_PROPERTY(QString uploader MEMBER uploader CONSTANT)
    Q_PROPERTY(QString description MEMBER description CONSTANT)
    Q_PROPERTY(QString url MEMBER url CONSTANT)
    Q_PROPERTY(QString formattedDuration READ formattedDuration CONSTANT)

public:
    // One downloadable rendition of the video.
    struct Format
    {
        QString id;
        QString ext;
        QString quality;
        std::optional<qint64> filesize; // bytes
        bool isAudioOnly = true;
    };

    QString id;
    QString title;
    double duration = 0; // seconds, finite and not negative
    std::optional<QUrl> thumbnail;
    QString uploader;
    QString description;
    QList<Format> formats;
    QString url; // the address the information was asked for, as given

    QUrl thumbnailOrEmpty() const { return thumbnail.value_or(QUrl()); }
    QString formattedDuration() const;

    // Builds the record from yt-dlp's "--dump-json" output. Missing or mistyped keys
    // take their defaults; output that is not UTF-8 reads as empty. Fails with the
    // JSON parser's text (systemError) when the output is not JSON, and with
    // parseError when its top level is not an object. Safe on any thread.
    static YouTubeResult<YouTubeVideoInfo> fromJson(const QByteArray &output, const QString &url);
};
