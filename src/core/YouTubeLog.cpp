#include "YouTubeLog.h"

Q_LOGGING_CATEGORY(lcYouTube, "YouTube")
