#pragma once

#include <QColor>
#include <QSize>
#include <QStringList>

class QQmlEngine;
class VideoFrameCache;

// Gives an engine the image providers the views load from: "artwork" (covers),
// "symbol" (icons), "tile" (gradient tiles) and "videoframe" (pictures of videos, kept
// in `frames`). The app, its ui tests and the benchmarks all make their engines
// through this, so they draw the same images.
void addImageProviders(QQmlEngine &engine, VideoFrameCache &frames);
void addImageProviders(QQmlEngine &engine);

// Reading the parts of a drawn image's id ("image://symbol/<name>/<colour>/...").
namespace ImageId {
// Part `i` as a colour ("rrggbb" or "aarrggbb", without "#"), or `fallback` when it is
// missing or not a colour.
QColor colorPart(const QStringList &parts, qsizetype i, const QColor &fallback);
// The size asked for, held within any screen (a larger one is someone's mistake), or
// `fallback` when none was asked for.
QSize drawnSize(const QSize &requested, const QSize &fallback);
} // namespace ImageId
