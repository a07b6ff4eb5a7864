#pragma once

#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/YouTubeService.h"

#include <QtQml/qqml.h>
#include <QtQml/qqmlregistration.h>

// Makes the managers known to QML as property types; QML never creates them.
struct LibraryManagerForeign
{
    Q_GADGET
    QML_FOREIGN(LibraryManager)
    QML_ANONYMOUS
};

struct MediaPlayerManagerForeign
{
    Q_GADGET
    QML_FOREIGN(MediaPlayerManager)
    QML_ANONYMOUS
};

struct YouTubeServiceForeign
{
    Q_GADGET
    QML_FOREIGN(YouTubeService)
    QML_ANONYMOUS
};

struct DownloadManagerForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadManager)
    QML_ANONYMOUS
};
