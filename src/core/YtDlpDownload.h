#pragma once

#include "DownloadProgressParser.h"
#include "YtDlpInvocation.h"
#include "models/YouTubeError.h"

#include <QDateTime>
#include <QObject>
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
// the child and reports nothing.
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

private:
    void onExited(bool succeeded, int exitCode);
    void complete(YouTubeResult<QUrl> result);

    std::unique_ptr<YtDlpProcess> m_process;
    DownloadProgressParser m_parser;
    QString m_folder;
    QDateTime m_startedAt = QDateTime::currentDateTimeUtc();
    QStringList m_candidateExtensions;
    ProgressCallback m_onProgress;
    Completion m_done;
    bool m_completed = false;
};
