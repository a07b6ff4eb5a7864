#pragma once

#include "models/MediaItem.h"

#include <QByteArray>
#include <QHash>
#include <QVariant>

// The roles of a row showing one media item, shared by the library and playlist lists.
namespace MediaRows {

enum Role {
    TitleRole = Qt::UserRole + 1,
    ArtistRole,
    AlbumRole,
    FormattedDurationRole,
    IsVideoRole,
    ArtworkSourceRole,
    TitleIsRTLRole,
    ArtistIsRTLRole,
    AlbumIsRTLRole,
    ItemIdRole,
    ChapterCountRole,
    UrlRole,
    // The title on one line (line breaks as spaces).
    TitleLineRole,
    // "artist — album" as styled text (markup characters escaped, the dash at half
    // strength), on one line; empty when both are.
    DetailLineRole,
    DetailIsRTLRole,
    // For a local video file without artwork, a frame of the video
    // ("image://videoframe/<percent-encoded path>"); empty otherwise.
    FrameSourceRole,
};

QHash<int, QByteArray> roleNames();
QVariant data(const MediaItem &item, int role);

} // namespace MediaRows
