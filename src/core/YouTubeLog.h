#pragma once

#include <QLoggingCategory>

// Messages of the online-video service (tool search, runs, failures).
Q_DECLARE_LOGGING_CATEGORY(lcYouTube)
