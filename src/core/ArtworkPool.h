#pragma once

#include "models/MediaItem.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <mutex>

// Makes the records of one import share equal cover pictures and equal artist, album
// and chapter texts: a book of 300 chapter files with one cover then holds that cover once.
// Thread-safe; lives as long as the import that uses it.
class ArtworkPool
{
public:
    void share(MediaItem &item);

private:
    std::mutex m_mutex;
    QSet<QByteArray> m_pictures;
    QSet<QString> m_texts;
};
