#pragma once

#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/Preferences.h"
#include "core/SleepTimer.h"
#include "core/YouTubeService.h"
#include "media/VideoSurface.h"

#include <QtQml/qqml.h>
#include <QtQml/qqmlregistration.h>

// Makes the managers known to QML by name, so views declare typed properties
// (`required property MediaPlayerManager playerManager`) that qmllint can check and
// read their enums (`MediaPlayerManager.one`). QML never creates them: main does.
struct LibraryManagerForeign
{
    Q_GADGET
    QML_FOREIGN(LibraryManager)
    QML_NAMED_ELEMENT(LibraryManager)
    QML_UNCREATABLE("Made once by the application and handed to the window.")
};

struct MediaPlayerManagerForeign
{
    Q_GADGET
    QML_FOREIGN(MediaPlayerManager)
    QML_NAMED_ELEMENT(MediaPlayerManager)
    QML_UNCREATABLE("Made once by the application and handed to the window.")
};

struct YouTubeServiceForeign
{
    Q_GADGET
    QML_FOREIGN(YouTubeService)
    QML_NAMED_ELEMENT(YouTubeService)
    QML_UNCREATABLE("Made once by the application and handed to the window.")
};

struct DownloadManagerForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadManager)
    QML_NAMED_ELEMENT(DownloadManager)
    QML_UNCREATABLE("Made once by the application and handed to the window.")
};

// Made by the window beside the player (`SleepTimer { player: ... }`).
struct SleepTimerForeign
{
    Q_GADGET
    QML_FOREIGN(SleepTimer)
    QML_NAMED_ELEMENT(SleepTimer)
};

// The player's video output, as the type of `playerLayer`.
struct PlayerLayerForeign
{
    Q_GADGET
    QML_FOREIGN(VideoSurface)
    QML_NAMED_ELEMENT(VideoSurface)
    QML_UNCREATABLE("Made by the player.")
};

// The download queue's entries, so that views can count and read them.
struct DownloadTaskValueForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadTask)
    QML_ANONYMOUS
};

// The stored preferences, one per engine, made by QML on first use. Every instance on
// the same settings hears the others' writes, so the components' own instances follow
// what the settings window stores.
struct PreferencesForeign
{
    Q_GADGET
    QML_FOREIGN(Preferences)
    QML_NAMED_ELEMENT(Preferences)
    QML_SINGLETON
};
