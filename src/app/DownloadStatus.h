#pragma once

#include "models/DownloadTask.h"

#include <QtQml/qqmlregistration.h>

// DownloadTask's enum for QML, as DownloadTask.Status.<key>; the downloads list's status
// role holds those numbers.
namespace DownloadTaskForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(DownloadTask)
QML_NAMED_ELEMENT(DownloadTask)
} // namespace DownloadTaskForeign
