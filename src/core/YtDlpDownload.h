#pragma once

#include "DownloadProgressParser.h"
#include "YtDlpInvocation.h"
#include "models/YouTubeError.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class YtDlpProcess;

// One download by yt-dlp into a folder, reading its progress lines while it runs.
//
// Starts when constructed. Progress is reported on the object's thread as lines
// arrive, in order, and never after the completion. The completion comes exactly
// once, later from the event loop: the produced file's URL; commandFailed("Failed to launch: …")
// when the child cannot start; downloadFailed with the standard-error text ("Unknown error"
// when it is not UTF-8) on a non-zero exit; fileNotFound when nothing produced can be
// found. It deletes itself after completing; destroying it earlier kills and reaps
// the child and reports nothing (the files it wrote stay, so that the tool could go on
// with them); cancel() also removes them.
class YtDlpDownload : public QObject
{
    Q_OBJECT

public:
    using ProgressCallback = std::function<void(double fraction, const QString &message)>;
    using Completion = std::function<void(const YouTubeResult<QUrl> &)>;

    // The produced file is looked for in `folder`, with the invocation's candidate
    // extensions tried on the stem of the announced destination.
    YtDlpDownload(const YtDlpInvocation &invocation, const QString &folder,
                  ProgressCallback onProgress, Completion done, QObject *parent);
    ~YtDlpDownload() override;

    // The file yt-dlp produced in `folder`, by the announced destination, else the
    // newest visible file of the folder that was written since `startedAt` (a file
    // already there, such as an earlier download, is never taken for this one's).
    static YouTubeResult<QUrl> locateProducedFile(const std::optional<QString> &destination,
                                                  const QStringList &candidateExtensions,
                                                  const QString &folder,
                                                  const QDateTime &startedAt);

    // Stops the download for good: kills yt-dlp and its helpers, removes the files this
    // run wrote into the folder (parts, fragments, a file being converted), reports
    // nothing and deletes itself later. A file that was in the folder before the run
    // began, or is named in `keep`, is never removed. Nothing once it has completed.
    void cancel(const QSet<QString> &keep = {});

    // The files of the folder that a run announcing `destinations` wrote, leaving out
    // `before` (the folder's names when it began) and `keep` (absolute paths). A run's
    // files all begin with its title: "T.mp4", "T.mp4.part", "T.f137.mp4.part-Frag3",
    // "T.temp.mp4", "T.m4a".
    static QStringList filesWrittenBy(const QString &folder, const QStringList &destinations,
                                      const QSet<QString> &before, const QSet<QString> &keep);

private:
    void readOutput();
    void onExited(bool succeeded, int exitCode);
    void complete(YouTubeResult<QUrl> result);

    std::unique_ptr<YtDlpProcess> m_process;
    DownloadProgressParser m_parser;
    QString m_folder;
    QDateTime m_startedAt = QDateTime::currentDateTimeUtc();
    QStringList m_candidateExtensions;
    // Names in the folder when the run began, and every destination it announced.
    QSet<QString> m_namesBefore;
    QStringList m_destinations;
    ProgressCallback m_onProgress;
    Completion m_done;
    bool m_completed = false;
};
