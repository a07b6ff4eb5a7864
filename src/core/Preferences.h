#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// The seven stored preferences, read and written straight through to the user's
// settings (organization and application "Lyrabox", native format). A key never
// written reads as its default, and reading writes nothing. Writes are not validated:
// a value the settings window does not offer (one written by hand) stays as it is
// until the user picks an option.
//
// Every Preferences on the same settings file hears every write made in the process,
// so a component keeping its own instance is notified of a change made in the settings
// window. Components use the *InEffect readers, which fall back to the default for a
// stored value that is not one of the offered options.
//
// If the settings file cannot be written, the values written stay in effect for this
// run and one warning goes to standard error.
//
// Threads: main thread only.
class Preferences : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString defaultSortOrder READ defaultSortOrder WRITE setDefaultSortOrder NOTIFY
                   defaultSortOrderChanged)
    Q_PROPERTY(bool groupRTLFirst READ groupRTLFirst WRITE setGroupRTLFirst NOTIFY
                   groupRTLFirstChanged)
    Q_PROPERTY(bool autoPlayNext READ autoPlayNext WRITE setAutoPlayNext NOTIFY autoPlayNextChanged)
    Q_PROPERTY(bool skipSilence READ skipSilence WRITE setSkipSilence NOTIFY skipSilenceChanged)
    Q_PROPERTY(double defaultPlaybackRate READ defaultPlaybackRate WRITE setDefaultPlaybackRate
                   NOTIFY defaultPlaybackRateChanged)
    Q_PROPERTY(QString downloadAudioFormat READ downloadAudioFormat WRITE setDownloadAudioFormat
                   NOTIFY downloadAudioFormatChanged)
    Q_PROPERTY(QString downloadVideoFormat READ downloadVideoFormat WRITE setDownloadVideoFormat
                   NOTIFY downloadVideoFormatChanged)

public:
    // The user's settings.
    explicit Preferences(QObject *parent = nullptr);
    // The settings in an INI file at `filePath` (tests).
    explicit Preferences(const QString &filePath, QObject *parent = nullptr);
    ~Preferences() override;

    // The stored values the settings window offers, in its order.
    static const QStringList &sortOrderOptions();
    static const QList<double> &playbackRateOptions();
    static const QStringList &audioFormatOptions();
    static const QStringList &videoFormatOptions();

    // What is stored (the default when the key was never written). A text key holding
    // something other than text reads as an empty text; a number key holding something
    // other than a number reads as NaN; a flag holding neither true nor false reads as
    // its default. Either way the settings window shows no option chosen.
    QString defaultSortOrder() const;
    bool groupRTLFirst() const;
    bool autoPlayNext() const;
    bool skipSilence() const;
    double defaultPlaybackRate() const;
    QString downloadAudioFormat() const;
    QString downloadVideoFormat() const;

    // What the components apply: the stored value when it is an offered option, else
    // the default.
    QString sortOrderInEffect() const;
    double playbackRateInEffect() const;
    QString audioFormatInEffect() const;
    QString videoFormatInEffect() const;

    void setDefaultSortOrder(const QString &value);
    void setGroupRTLFirst(bool value);
    void setAutoPlayNext(bool value);
    void setSkipSilence(bool value);
    void setDefaultPlaybackRate(double value);
    void setDownloadAudioFormat(const QString &value);
    void setDownloadVideoFormat(const QString &value);

    // The file the values live in.
    QString fileName() const;

    class Channel;

Q_SIGNALS:
    void defaultSortOrderChanged();
    void groupRTLFirstChanged();
    void autoPlayNextChanged();
    void skipSilenceChanged();
    void defaultPlaybackRateChanged();
    void downloadAudioFormatChanged();
    void downloadVideoFormatChanged();

private:
    void connectChannel();
    QVariant stored(const QString &key) const;
    QString text(const QString &key, const QString &fallback) const;
    bool flag(const QString &key, bool fallback) const;
    void write(const QString &key, const QVariant &value);
    void announce(const QString &key);

    std::unique_ptr<QSettings> m_settings;
    Channel *m_channel = nullptr;
};
