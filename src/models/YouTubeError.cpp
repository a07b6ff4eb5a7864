#include "YouTubeError.h"

#include <QCoreApplication>

QString YouTubeError::description() const
{
    switch (m_kind) {
    case Kind::downloadFailed:
        return QCoreApplication::translate("YouTubeError", "Download failed: %1").arg(m_payload);
    case Kind::commandFailed:
        return QCoreApplication::translate("YouTubeError", "Command failed: %1").arg(m_payload);
    case Kind::ytDlpNotInstalled:
        return QCoreApplication::translate(
            "YouTubeError", "yt-dlp is not installed. Install with: sudo apt install yt-dlp");
    case Kind::parseError:
        return QCoreApplication::translate("YouTubeError", "Failed to parse video information");
    case Kind::invalidStreamURL:
        return QCoreApplication::translate("YouTubeError", "Could not get a valid streaming URL");
    case Kind::fileNotFound:
        return QCoreApplication::translate("YouTubeError", "Downloaded file not found");
    case Kind::systemError:
        return m_payload;
    }
    return m_payload;
}
