#pragma once

#include <QObject>

// The picture output of one player, handed to the views that show video. A view
// that hosts a surface draws the player's current picture scaled to fit inside its
// own bounds, keeping the aspect ratio, on black. Lives on the main thread.
class VideoSurface : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~VideoSurface() override;
};
