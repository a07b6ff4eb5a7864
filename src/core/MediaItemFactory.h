#pragma once

#include "models/MediaItem.h"

#include <QUrl>

class MediaAsset;

// Builds library records from files: the inspection step of an import.
struct MediaItemFactory
{
    // Builds the record for a file by inspecting it through `asset`, which must have
    // been opened on the same file. Never fails: whatever cannot be read leaves the
    // field at its default (file-name title, no duration, no artwork, no chapters).
    // May block on file I/O: call it off the main thread.
    static MediaItem fromURL(const QUrl &url, qint64 sortIndex, const MediaAsset &asset);
};
