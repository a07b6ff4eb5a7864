#pragma once

#include <QString>
#include <variant>

// An error of the online-video service, with the text the user is shown.
// The first six kinds carry the service's fixed texts; `systemError` carries a
// failure reported by the system itself (a file that cannot be written, a directory
// that cannot be listed, the JSON parser's complaint) and reads as that text alone.
class YouTubeError
{
public:
    enum class Kind {
        downloadFailed,
        commandFailed,
        ytDlpNotInstalled,
        parseError,
        invalidStreamURL,
        fileNotFound,
        systemError,
    };

    static YouTubeError downloadFailed(QString detail) { return {Kind::downloadFailed, std::move(detail)}; }
    static YouTubeError commandFailed(QString detail) { return {Kind::commandFailed, std::move(detail)}; }
    static YouTubeError ytDlpNotInstalled() { return {Kind::ytDlpNotInstalled, {}}; }
    static YouTubeError parseError() { return {Kind::parseError, {}}; }
    static YouTubeError invalidStreamURL() { return {Kind::invalidStreamURL, {}}; }
    static YouTubeError fileNotFound() { return {Kind::fileNotFound, {}}; }
    static YouTubeError systemError(QString description) { return {Kind::systemError, std::move(description)}; }

    Kind kind() const { return m_kind; }
    const QString &payload() const { return m_payload; }
    // The user-facing text.
    QString description() const;

    friend bool operator==(const YouTubeError &, const YouTubeError &) = default;

private:
    YouTubeError(Kind kind, QString payload) : m_kind(kind), m_payload(std::move(payload)) {}

    Kind m_kind;
    QString m_payload;
};

// The outcome of an asynchronous operation of the service: a value or an error.
template <typename T>
class YouTubeResult
{
public:
    YouTubeResult(T value) : m_outcome(std::move(value)) {}
    YouTubeResult(YouTubeError error) : m_outcome(std::move(error)) {}

    bool ok() const { return m_outcome.index() == 0; }
    const T &value() const { return std::get<0>(m_outcome); }
    const YouTubeError &error() const { return std::get<1>(m_outcome); }

private:
    std::variant<T, YouTubeError> m_outcome;
};
