#include "Preferences.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QLocale>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kSortOrder = u"defaultSortOrder"_s;
const QString kGroupRTL = u"groupRTLFirst"_s;
const QString kAutoPlay = u"autoPlayNext"_s;
const QString kSkipSilence = u"skipSilence"_s;
const QString kRate = u"defaultPlaybackRate"_s;
const QString kAudioFormat = u"downloadAudioFormat"_s;
const QString kVideoFormat = u"downloadVideoFormat"_s;

const QString kDefaultSortOrder = u"natural"_s;
constexpr double kDefaultRate = 1.0;
const QString kDefaultAudioFormat = u"m4a"_s;
const QString kDefaultVideoFormat = u"mp4"_s;

} // namespace

// Everything the instances on one settings file share: who listens, and the values
// written in this run (so that a file that cannot be saved still holds for the run).
class Preferences::Channel
{
public:
    QList<Preferences *> listeners;
    QHash<QString, QVariant> written;
    bool warned = false;

    static Channel &forFile(const QString &fileName)
    {
        // Kept for the whole process: instances come and go, the run's values stay.
        static QHash<QString, Channel *> channels;
        Channel *&channel = channels[fileName];
        if (!channel)
            channel = new Channel;
        return *channel;
    }
};

Preferences::Preferences(QObject *parent)
    : QObject(parent),
      m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             u"Lyrabox"_s, u"Lyrabox"_s))
{
    connectChannel();
}

Preferences::Preferences(const QString &filePath, QObject *parent)
    : QObject(parent), m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    connectChannel();
}

Preferences::~Preferences()
{
    m_channel->listeners.removeOne(this);
}

void Preferences::connectChannel()
{
    m_channel = &Channel::forFile(m_settings->fileName());
    m_channel->listeners.append(this);
}

QString Preferences::fileName() const
{
    return m_settings->fileName();
}

const QStringList &Preferences::sortOrderOptions()
{
    static const QStringList options{kDefaultSortOrder, u"title"_s, u"artist"_s, u"album"_s,
                                     u"duration"_s};
    return options;
}

const QList<double> &Preferences::playbackRateOptions()
{
    static const QList<double> options{0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0};
    return options;
}

const QStringList &Preferences::audioFormatOptions()
{
    static const QStringList options{kDefaultAudioFormat, u"mp3"_s, u"opus"_s};
    return options;
}

const QStringList &Preferences::videoFormatOptions()
{
    static const QStringList options{kDefaultVideoFormat, u"mkv"_s, u"webm"_s};
    return options;
}

QVariant Preferences::stored(const QString &key) const
{
    const auto written = m_channel->written.constFind(key);
    if (written != m_channel->written.cend())
        return *written;
    return m_settings->value(key);
}

QString Preferences::text(const QString &key, const QString &fallback) const
{
    const QVariant value = stored(key);
    if (!value.isValid())
        return fallback;
    // A list or a number written by hand is no option's value.
    if (value.typeId() != QMetaType::QString)
        return QString();
    return value.toString();
}

bool Preferences::flag(const QString &key, bool fallback) const
{
    const QVariant value = stored(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    // The settings file holds text; QVariant would read any text but "false" and "0"
    // as true.
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare("true"_L1, Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare("false"_L1, Qt::CaseInsensitive) == 0)
            return false;
    }
    return fallback;
}

QString Preferences::defaultSortOrder() const
{
    return text(kSortOrder, kDefaultSortOrder);
}

bool Preferences::groupRTLFirst() const
{
    return flag(kGroupRTL, true);
}

bool Preferences::autoPlayNext() const
{
    return flag(kAutoPlay, true);
}

bool Preferences::skipSilence() const
{
    return flag(kSkipSilence, false);
}

double Preferences::defaultPlaybackRate() const
{
    const QVariant value = stored(kRate);
    if (!value.isValid())
        return kDefaultRate;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int
        || value.typeId() == QMetaType::LongLong)
        return value.toDouble();
    if (value.typeId() == QMetaType::QString) {
        // Written by this program in the C locale ("1.25"), whatever the user's locale.
        bool ok = false;
        const double number = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        if (ok && std::isfinite(number))
            return number;
    }
    return std::nan("");
}

QString Preferences::downloadAudioFormat() const
{
    return text(kAudioFormat, kDefaultAudioFormat);
}

QString Preferences::downloadVideoFormat() const
{
    return text(kVideoFormat, kDefaultVideoFormat);
}

QString Preferences::sortOrderInEffect() const
{
    const QString value = defaultSortOrder();
    return sortOrderOptions().contains(value) ? value : kDefaultSortOrder;
}

double Preferences::playbackRateInEffect() const
{
    const double value = defaultPlaybackRate();
    return playbackRateOptions().contains(value) ? value : kDefaultRate;
}

QString Preferences::audioFormatInEffect() const
{
    const QString value = downloadAudioFormat();
    return audioFormatOptions().contains(value) ? value : kDefaultAudioFormat;
}

QString Preferences::videoFormatInEffect() const
{
    const QString value = downloadVideoFormat();
    return videoFormatOptions().contains(value) ? value : kDefaultVideoFormat;
}

void Preferences::setDefaultSortOrder(const QString &value)
{
    write(kSortOrder, value);
}

void Preferences::setGroupRTLFirst(bool value)
{
    write(kGroupRTL, value);
}

void Preferences::setAutoPlayNext(bool value)
{
    write(kAutoPlay, value);
}

void Preferences::setSkipSilence(bool value)
{
    write(kSkipSilence, value);
}

void Preferences::setDefaultPlaybackRate(double value)
{
    write(kRate, value);
}

void Preferences::setDownloadAudioFormat(const QString &value)
{
    write(kAudioFormat, value);
}

void Preferences::setDownloadVideoFormat(const QString &value)
{
    write(kVideoFormat, value);
}

void Preferences::write(const QString &key, const QVariant &value)
{
    // Choosing the value already stored writes nothing; the first choice of the
    // default writes it.
    const QVariant before = stored(key);
    if (before.isValid() && before.typeId() == value.typeId() && before == value)
        return;
    m_channel->written.insert(key, value);
    m_settings->setValue(key, value);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError && !m_channel->warned) {
        m_channel->warned = true;
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                                    "Preferences",
                                    "Lyrabox: cannot save the settings to %1; changes last "
                                    "until Lyrabox quits.")
                                    .arg(m_settings->fileName())));
    }
    announce(key);
}

void Preferences::announce(const QString &key)
{
    void (Preferences::*signal)() = nullptr;
    if (key == kSortOrder)
        signal = &Preferences::defaultSortOrderChanged;
    else if (key == kGroupRTL)
        signal = &Preferences::groupRTLFirstChanged;
    else if (key == kAutoPlay)
        signal = &Preferences::autoPlayNextChanged;
    else if (key == kSkipSilence)
        signal = &Preferences::skipSilenceChanged;
    else if (key == kRate)
        signal = &Preferences::defaultPlaybackRateChanged;
    else if (key == kAudioFormat)
        signal = &Preferences::downloadAudioFormatChanged;
    else if (key == kVideoFormat)
        signal = &Preferences::downloadVideoFormatChanged;
    // A copy: a listener may make or destroy instances while it is told.
    const QList<Preferences *> listeners = m_channel->listeners;
    for (Preferences *listener : listeners) {
        if (m_channel->listeners.contains(listener))
            Q_EMIT(listener->*signal)();
    }
}
