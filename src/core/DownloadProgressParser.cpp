#include "DownloadProgressParser.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView downloadTag = "[download]";
constexpr QByteArrayView destinationTag = "[download] Destination:";
constexpr QByteArrayView extractAudioTag = "[ExtractAudio]";
constexpr QByteArrayView deletingTag = "Deleting original file";

// Trims spaces and tabs only, as the tool pads its columns with them.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

std::optional<double> DownloadProgressParser::fractionOf(const QString &line)
{
    const QStringList pieces = line.split(u' ', Qt::SkipEmptyParts);
    const auto percent = std::find_if(pieces.cbegin(), pieces.cend(),
                                      [](const QString &piece) { return piece.endsWith(u'%'); });
    if (percent == pieces.cend())
        return std::nullopt;
    bool ok = false;
    const double number = QLocale::c().toDouble(percent->chopped(1), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return std::clamp(number / 100.0, 0.0, 1.0);
}

void DownloadProgressParser::feed(QByteArrayView chunk)
{
    while (!chunk.isEmpty()) {
        const qsizetype newline =
            std::find_if(chunk.begin(), chunk.end(), [](char c) { return c == '\n' || c == '\r'; })
            - chunk.begin();
        if (newline == chunk.size()) {
            // No line end in the rest: keep it for the next chunk, within bounds.
            if (!m_discardingLongLine) {
                if (m_pending.size() + chunk.size() > maxLineBytes) {
                    m_pending.clear();
                    m_discardingLongLine = true;
                } else {
                    m_pending.append(chunk);
                }
            }
            return;
        }
        const QByteArrayView piece = chunk.first(newline);
        if (m_discardingLongLine) {
            m_discardingLongLine = false;
        } else if (m_pending.isEmpty()) {
            examine(piece);
        } else if (m_pending.size() + piece.size() <= maxLineBytes) {
            m_pending.append(piece);
            examine(m_pending);
        }
        m_pending.clear();
        chunk = chunk.sliced(newline + 1);
    }
}

void DownloadProgressParser::finish()
{
    if (!m_pending.isEmpty() && !m_discardingLongLine)
        examine(m_pending);
    m_pending.clear();
    m_discardingLongLine = false;
}

void DownloadProgressParser::examine(QByteArrayView line)
{
    const bool isDownload = line.contains(downloadTag);
    const bool hasPercent = isDownload && line.contains('%');
    const bool isDestination = isDownload && line.contains(destinationTag);
    const bool isConversion = line.contains(extractAudioTag) || line.contains(deletingTag);
    if (!hasPercent && !isDestination && !isConversion)
        return;
    const std::optional<QString> text = decodeUtf8(line);
    if (!text)
        return;

    if (hasPercent) {
        if (const std::optional<double> fraction = fractionOf(*text))
            m_sink(*fraction, trimBlanks(*text));
    }
    if (isDestination) {
        QString path = *text;
        path.remove(u"[download] Destination: "_s);
        m_destination = trimBlanks(path);
    }
    if (isConversion)
        m_sink(0.95, QCoreApplication::translate("DownloadProgressParser", "Converting audio..."));
}
