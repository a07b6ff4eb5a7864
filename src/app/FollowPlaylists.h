#pragma once

#include "core/LibraryManager.h"

#include <QPointer>

// What the views' playlist models do when given a library: point `current` at it and
// hear its playlist changes through `onChange` (and no longer the old library's).
// False when `current` already was `library`: nothing changed.
template <typename Receiver>
bool followPlaylists(Receiver *receiver, QPointer<LibraryManager> &current, LibraryManager *library,
                     void (Receiver::*onChange)())
{
    if (current == library)
        return false;
    if (current)
        QObject::disconnect(current, nullptr, receiver, nullptr);
    current = library;
    if (current)
        QObject::connect(current, &LibraryManager::playlistsChanged, receiver, onChange);
    return true;
}
