#include "YouTubeError.h"

using namespace Qt::StringLiterals;

QString YouTubeError::description() const
{
    switch (m_kind) {
    case Kind::downloadFailed:
        return u"Download failed: "_s + m_payload;
    case Kind::commandFailed:
        return u"Command failed: "_s + m_payload;
    case Kind::ytDlpNotInstalled:
        return u"yt-dlp is not installed. Install with: brew install yt-dlp"_s;
    case Kind::parseError:
        return u"Failed to parse video information"_s;
    case Kind::invalidStreamURL:
        return u"Could not get a valid streaming URL"_s;
    case Kind::fileNotFound:
        return u"Downloaded file not found"_s;
    case Kind::systemError:
        return m_payload;
    }
    return m_payload;
}
