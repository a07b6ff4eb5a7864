#pragma once

#include "models/Chapter.h"

#include <QList>
#include <QStringList>
#include <QUrl>

class MediaAsset;

// Reads the chapter marks of a media file.
namespace ChapterExtractor {

// The file's chapters sorted by start time then index, or, when it has none, one
// chapter spanning the whole file (titled by the file name), or nothing when the
// length is unknown. Never fails. Runs off the main thread.
QList<Chapter> extractChapters(const MediaAsset &asset, const QUrl &url);

// The same with an explicit list of preferred languages (the user's, by default).
QList<Chapter> extractChapters(const MediaAsset &asset, const QUrl &url,
                               const QStringList &preferredLanguages);

} // namespace ChapterExtractor
