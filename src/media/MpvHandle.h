#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <memory>

struct mpv_handle;

// An mpv core. Shared: the player and every render context drawing its picture hold
// it, so that a render context is always freed before the core it was made for.
using MpvHandle = std::shared_ptr<mpv_handle>;

namespace Mpv {

using OptionList = QList<QPair<QByteArray, QByteArray>>;

// Creates and initialises a core with mpv's own configuration files, scripts, input
// handling, terminal output and on-screen display off, then `options` (name, value)
// on top. Switches LC_NUMERIC to "C" first, which mpv requires and which the
// application object may have changed from the user's environment. Main thread,
// after the application object exists. Returns null when mpv cannot start.
MpvHandle createCore(const OptionList &options);

} // namespace Mpv
