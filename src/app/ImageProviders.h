#pragma once

class QQmlEngine;
class VideoFrameCache;

// Gives an engine the image providers the views load from: "artwork" (covers),
// "symbol" (icons), "tile" (gradient tiles) and "videoframe" (pictures of videos, kept
// in `frames`). The app, its ui tests and the benchmarks all make their engines
// through this, so they draw the same images.
void addImageProviders(QQmlEngine &engine, VideoFrameCache &frames);
void addImageProviders(QQmlEngine &engine);
