#pragma once

#include "FakePlayerBackend.h"
#include "TestItems.h"
#include "core/MediaPlayerManager.h"

#include <gtest/gtest.h>

// The one place that builds the playback engine over the scripted player.
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

    static MediaItem item(const QString &title, QList<Chapter> chapters = {})
    {
        return TestItems::makeItem(title, 0, QString(), std::move(chapters));
    }
    static QList<MediaItem> items(int count) { return TestItems::makeItems(count); }
    QString currentTitle() const
    {
        return player.currentItem() ? player.currentItem()->title : QString();
    }
    QString queueText() const { return TestItems::titlesOf(player.queue()).join(QString()); }
    void setRepeat(RepeatMode mode)
    {
        while (player.repeatMode() != mode)
            player.cycleRepeatMode();
    }
};
