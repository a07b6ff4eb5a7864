#include "MediaItem.h"

#include "TimeText.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

const QStringList &MediaItem::videoKindExtensions()
{
    static const QStringList extensions{u"mp4"_s, u"mkv"_s, u"avi"_s, u"mov"_s,
                                        u"wmv"_s, u"flv"_s, u"webm"_s, u"m4v"_s};
    return extensions;
}

bool MediaItem::isVideoExtension(const QString &fileName)
{
    return videoKindExtensions().contains(QFileInfo(fileName).suffix().toLower());
}

QString MediaItem::titleFromURL(const QUrl &url)
{
    const QString name = url.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // A leading dot starts a hidden file's name rather than an extension.
    return dot > 0 ? name.left(dot) : name;
}

QString MediaItem::formattedDuration() const
{
    return TimeText::formatTime(duration);
}
