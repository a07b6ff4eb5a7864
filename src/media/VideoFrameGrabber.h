#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <chrono>

// One picture of a video file, for items that carry no cover: the first picture that
// decodes at or after a seek to a tenth of the video's length (the key frame at or
// before that point, which costs one decoded picture), or the first picture when the
// length is unknown. Decoded with libavcodec, converted to RGB by libswscale straight
// at its final size, both loaded at run time (AvCodecApi).
//
// A null image for anything without a picture to show: a missing file, anything that
// is not a regular file (a FIFO, a directory, a device), audio alone, a file whose
// only picture is an attached cover, an undecodable or truncated file, a read slower
// than the deadline, or libav not being loadable.
//
// Callable from any thread, concurrently; each call opens the file on its own. Paths
// reach libav as "file:" + the absolute path, with only the file protocol allowed.
namespace VideoFrameGrabber {

// How long one grab may take, reads and decoding together, before it gives up.
inline constexpr std::chrono::milliseconds defaultDeadline{5000};

// Where the picture is taken, as a share of the video's length: past opening titles
// and fades from black, early enough to find a key frame quickly.
inline constexpr double position = 0.1;

// The picture scaled to fit inside `maxSize` with the displayed aspect ratio (pixel
// aspect and rotation applied); never enlarged. An invalid `maxSize` keeps the
// displayed size. Format_RGB888.
QImage grabFrame(const QString &localPath, QSize maxSize,
                 std::chrono::milliseconds deadline = defaultDeadline);

} // namespace VideoFrameGrabber
