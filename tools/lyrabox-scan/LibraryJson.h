#pragma once

#include <QJsonObject>

class LibraryManager;

// The library as lyrabox-scan prints it: `items` in library order and `playlists`
// in creation order, each playlist listing its items' URLs.
QJsonObject libraryToJson(const LibraryManager &library);
