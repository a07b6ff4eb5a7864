#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <optional>

// One entry of the download queue. A plain value identified by `id`.
struct DownloadTask
{
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QString url MEMBER url CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(double progress MEMBER progress CONSTANT)
    Q_PROPERTY(Status status MEMBER status CONSTANT)
    Q_PROPERTY(QString statusText READ statusText CONSTANT)
    Q_PROPERTY(QString statusMessage MEMBER statusMessage CONSTANT)
    Q_PROPERTY(QUrl outputURL READ outputURLOrEmpty CONSTANT)
    Q_PROPERTY(bool isAudioOnly MEMBER isAudioOnly CONSTANT)

public:
    enum class Status { waiting, downloading, converting, completed, failed };
    Q_ENUM(Status)

    // The status's text, which is also its display title.
    static QString rawValue(Status status);

    QUuid id = QUuid::createUuid();
    QString url;
    QString title;
    double progress = 0; // 0 to 1
    Status status = Status::waiting;
    QString statusMessage = QCoreApplication::translate("DownloadTask", "Waiting...");
    std::optional<QUrl> outputURL;
    bool isAudioOnly = false;

    QString statusText() const { return rawValue(status); }
    QUrl outputURLOrEmpty() const { return outputURL.value_or(QUrl()); }

    friend bool operator==(const DownloadTask &a, const DownloadTask &b) { return a.id == b.id; }
};
