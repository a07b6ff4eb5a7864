#pragma once

#include <QString>
#include <QUrl>

// Media files for playback tests, made with the ffmpeg CLI on first use and kept in
// the test run's scratch directory. Each function returns the file's path, or an empty
// string when ffmpeg failed (the caller's test then fails on it).
namespace PlaybackFixtures {

// A 440 Hz tone as mp3.
QString toneMp3(double seconds);
// An mp3 tone carrying an attached cover picture (a still image stream).
QString mp3WithCover(double seconds);
// A test-pattern video (H.264 in mp4) with a tone, `width` x `height` pixels.
QString testPatternVideo(double seconds, int width = 320, int height = 240);
// Bytes that are not media, named as an mp3.
QString corruptMp3();
// A path where no file exists.
QString missingFile();

QUrl urlOf(const QString &path);

} // namespace PlaybackFixtures
