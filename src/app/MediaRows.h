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
};

QHash<int, QByteArray> roleNames();
QVariant data(const MediaItem &item, int role);

} // namespace MediaRows
