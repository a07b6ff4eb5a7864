#include "DownloadTask.h"

using namespace Qt::StringLiterals;

QString DownloadTask::rawValue(Status status)
{
    switch (status) {
    case Status::waiting:
        return u"Waiting"_s;
    case Status::downloading:
        return u"Downloading"_s;
    case Status::converting:
        return u"Converting"_s;
    case Status::completed:
        return u"Completed"_s;
    case Status::failed:
        return u"Failed"_s;
    }
    return {};
}
