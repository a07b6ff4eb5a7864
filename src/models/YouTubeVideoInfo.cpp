#include "YouTubeVideoInfo.h"

#include "TimeText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString textOf(const QJsonObject &object, QLatin1StringView key, const QString &fallback = {})
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : fallback;
}

// A JSON number that is a whole number of bytes; anything else (fractions, values
// beyond 64 bits, negative sizes, non-numbers) is no size at all.
std::optional<qint64> byteCountOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number < 0 || number >= 9.2e18 || std::trunc(number) != number)
        return std::nullopt;
    return static_cast<qint64>(number);
}

YouTubeVideoInfo::Format formatOf(const QJsonObject &object)
{
    YouTubeVideoInfo::Format format;
    format.id = textOf(object, "format_id"_L1);
    format.ext = textOf(object, "ext"_L1);
    const QJsonValue note = object.value("format_note"_L1);
    format.quality = note.isString() ? note.toString() : textOf(object, "format"_L1);
    format.filesize = byteCountOf(object.value("filesize"_L1));
    if (!format.filesize)
        format.filesize = byteCountOf(object.value("filesize_approx"_L1));
    const QJsonValue vcodec = object.value("vcodec"_L1);
    format.isAudioOnly = !vcodec.isString() || vcodec.toString() == "none"_L1;
    return format;
}

std::optional<QUrl> thumbnailOf(const QJsonObject &object)
{
    const QJsonValue value = object.value("thumbnail"_L1);
    if (!value.isString())
        return std::nullopt;
    const QUrl url(value.toString(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return std::nullopt;
    return url;
}

} // namespace

QString YouTubeVideoInfo::formattedDuration() const
{
    return TimeText::formatTime(duration);
}

YouTubeResult<YouTubeVideoInfo> YouTubeVideoInfo::fromJson(const QByteArray &output,
                                                           const QString &url)
{
    const QByteArray bytes = output.isValidUtf8() ? output : QByteArray();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return YouTubeError::systemError(parseError.errorString());
    if (!document.isObject())
        return YouTubeError::parseError();
    const QJsonObject object = document.object();

    YouTubeVideoInfo info;
    info.id = textOf(object, "id"_L1,
                     QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
    //: The title of an online video whose page gives none.
    info.title = textOf(object, "title"_L1, QCoreApplication::translate("YouTubeVideoInfo", "Unknown"));
    const QJsonValue duration = object.value("duration"_L1);
    if (duration.isDouble() && std::isfinite(duration.toDouble()) && duration.toDouble() > 0)
        info.duration = duration.toDouble();
    info.thumbnail = thumbnailOf(object);
    info.uploader = textOf(object, "uploader"_L1);
    info.description = textOf(object, "description"_L1);
    // Only an array made wholly of objects is a format list.
    const QJsonArray formats = object.value("formats"_L1).toArray();
    const bool allObjects = std::all_of(formats.begin(), formats.end(),
                                        [](const QJsonValue &entry) { return entry.isObject(); });
    if (allObjects) {
        for (const QJsonValue &entry : formats)
            info.formats.append(formatOf(entry.toObject()));
    }
    info.url = url;
    return info;
}
