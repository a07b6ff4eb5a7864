#pragma once

#include "FakePlayerBackend.h"
#include "core/MediaPlayerManager.h"

#include <gtest/gtest.h>

// A playback engine over a scripted player, and queues of named items.
class PlayerTest : public ::testing::Test
{
protected:
    using RepeatMode = MediaPlayerManager::RepeatMode;

    FakePlayerBackend::State state;
    FakePlayerBackend *fake = nullptr; // owned by `player`, made on its first load
    MediaPlayerManager player{[this] {
        auto backend = std::make_unique<FakePlayerBackend>(state);
        fake = backend.get();
        return backend;
    }};

    static MediaItem item(const QString &name, QList<Chapter> chapters = {})
    {
        MediaItem made;
        made.title = name;
        made.url = QUrl::fromLocalFile(QStringLiteral("/media/") + name + QStringLiteral(".mp3"));
        made.chapters = std::move(chapters);
        return made;
    }

    // Items named A, B, C, ...
    static QList<MediaItem> items(int count)
    {
        QList<MediaItem> made;
        for (int i = 0; i < count; ++i)
            made.append(item(QString(QChar(u'A' + i))));
        return made;
    }

    QString currentTitle() const
    {
        return player.currentItem() ? player.currentItem()->title : QString();
    }
    QString lastLoadedName() const
    {
        return state.loadedUrls.isEmpty() ? QString()
                                          : state.loadedUrls.last().fileName().chopped(4);
    }
    void setRepeat(RepeatMode mode)
    {
        while (player.repeatMode() != mode)
            player.cycleRepeatMode();
    }
};
