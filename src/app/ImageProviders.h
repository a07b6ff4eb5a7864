#pragma once

class QQmlEngine;

// Gives an engine the image providers the views load from: "artwork" (covers),
// "symbol" (icons) and "tile" (gradient tiles). The app, its ui tests and the
// benchmarks all make their engines through this, so they draw the same images.
void addImageProviders(QQmlEngine &engine);
