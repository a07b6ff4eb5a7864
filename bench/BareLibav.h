#pragma once

#include <QByteArray>

// The reference for inspection speed: what any libavformat reader must do at least to
// learn a file's length, tags and chapters. Returns false when the file does not open.
bool bareLibavOpen(const QByteArray &path);
