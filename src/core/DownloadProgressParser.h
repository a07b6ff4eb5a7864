#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

// Reads yt-dlp's standard output during a download ("--newline --progress") and
// turns it into progress reports and the announced destination file.
//
// Output arrives in arbitrary chunks: a line cut between two chunks is joined
// before it is examined. Lines end at "\n" (a "\r" ends one too, as the tool uses it
// between progress updates when it writes to a terminal). A line that is not UTF-8
// is dropped; a line longer than maxLineBytes is dropped rather than buffered
// without bound.
//
// Rules for each line, in this order:
//  - "[download]" and "%": the first blank-separated piece ending in "%" is read as a
//    percentage; a finite number reports (number / 100, clamped to 0..1, the line
//    without surrounding blanks).
//  - "[download] Destination:": the rest of the line is the new destination.
//  - "[ExtractAudio]" or "Deleting original file": reports (0.95, "Converting audio...").
class DownloadProgressParser
{
public:
    using ProgressSink = std::function<void(double fraction, const QString &message)>;

    static constexpr qsizetype maxLineBytes = 64 * 1024;

    explicit DownloadProgressParser(ProgressSink sink) : m_sink(std::move(sink)) {}

    // Examines every complete line of `chunk`; keeps an unfinished last line.
    void feed(QByteArrayView chunk);
    // Examines the unfinished last line, if any (the tool has exited).
    void finish();

    // The last path announced by a "[download] Destination:" line.
    const std::optional<QString> &destination() const { return m_destination; }

    // The percentage of one progress line as a fraction, if it has a readable one.
    static std::optional<double> fractionOf(const QString &line);

private:
    void examine(QByteArrayView line);

    ProgressSink m_sink;
    QByteArray m_pending;
    bool m_discardingLongLine = false;
    std::optional<QString> m_destination;
};
