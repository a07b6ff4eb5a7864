#include "UiFixture.h"
#include "TestItems.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

void UiFixture::reset(bool ytDlpFound)
{
    // Downloads of the previous managers run to their end; later ones wait at a new gate.
    finishDownloads();
    ++m_generation;
    m_retired.push_back(std::move(m));
    m = std::make_unique<Managers>();
    m_state = {};
    m->library = std::make_unique<LibraryManager>([](const QUrl &url, qint64 sortIndex) {
        MediaItem item = TestItems::makeItem(MediaItem::titleFromURL(url), sortIndex);
        item.isVideo = MediaItem::isVideoExtension(url.fileName());
        return item;
    });
    m->player = std::make_unique<MediaPlayerManager>([this] {
        auto backend = std::make_unique<FakePlayerBackend>(m_state);
        m_backend = backend.get();
        return backend;
    });
    YouTubeToolPaths paths = m_ytDlp.paths();
    if (!ytDlpFound)
        paths.ytDlpPaths = {laterToolPath()};
    QFile::remove(laterToolPath());
    m->youtube = std::make_unique<YouTubeService>(paths);
    m->downloads = std::make_unique<DownloadManager>();
    // A folder of its own for each set of managers: the online views' tests look at what
    // is in it.
    QDir().mkpath(downloadFolder());
    m->downloads->setDownloadDirectory(QUrl::fromLocalFile(downloadFolder()));
    m->downloads->setYoutubeService(m->youtube.get());
    Q_EMIT managersChanged();
}

void UiFixture::play(const QVariantList &descriptions, int start)
{
    QList<MediaItem> items;
    for (const QVariant &value : descriptions) {
        const QVariantMap description = value.toMap();
        MediaItem item = TestItems::makeItem(description.value(u"title"_s).toString());
        item.artist = description.value(u"artist"_s).toString();
        item.duration = description.value(u"duration"_s, 100.0).toDouble();
        item.isVideo = description.value(u"video"_s).toBool();
        const int chapters = description.value(u"chapters"_s).toInt();
        for (int i = 0; i < chapters; ++i) {
            const double length = item.duration / chapters;
            item.chapters.append(Chapter(u"Chapter %1"_s.arg(i + 1), i * length, (i + 1) * length, i));
        }
        items.append(item);
    }
    m->player->play(items, start);
    if (items.isEmpty() || !m_backend)
        return;
    const MediaItem &current = items.at(start);
    m_backend->completeDuration(current.duration);
    QList<PlayerBackend::TrackType> tracks{PlayerBackend::TrackType::Audio};
    if (current.isVideo)
        tracks.append(PlayerBackend::TrackType::Video);
    m_backend->completeTracks(tracks);
    m_backend->reportTime(0);
}

QStringList UiFixture::queueTitles() const
{
    return TestItems::titlesOf(m->player->queue());
}

void UiFixture::importFiles(const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            urls.append(QUrl::fromLocalFile(file.fileName()));
    }
    m->library->addFiles(urls);
}

void UiFixture::queueDownloads(int count, int completed)
{
    for (int i = 0; i < count + completed; ++i) {
        const QString name = u"download"_s + QString::number(++m_downloadNumber);
        QString code = u"echo '[download]  10.0% of 1MiB'\n"_s;
        if (i < count)
            code += u"while [ ! -e \"$here/finish%1\" ]; do sleep 0.05; done\n"_s.arg(m_generation);
        code += u": > \"$out_dir/%1.mp4\"\necho \"[download] Destination: $out_dir/%1.mp4\"\n"_s.arg(name);
        m->downloads->addDownload(m_ytDlp.scenario(name, code), name, false);
    }
}

void UiFixture::installYtDlp() const
{
    QDir().mkpath(QFileInfo(laterToolPath()).absolutePath());
    QFile::copy(m_ytDlp.toolPath(), laterToolPath());
}

bool UiFixture::toolRunning(const QString &name) const
{
    QFile pidFile(m_ytDlp.root() + u'/' + name + u".pid"_s);
    if (!pidFile.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pid = pidFile.readAll().trimmed();
    return !pid.isEmpty() && QFileInfo::exists(u"/proc/"_s + QString::fromLatin1(pid));
}

QStringList UiFixture::downloadFolderFiles() const
{
    return QDir(downloadFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QUrl UiFixture::makeFile(const QString &name) const
{
    QFile file(downloadFolder() + u'/' + name);
    file.open(QIODevice::WriteOnly);
    return QUrl::fromLocalFile(file.fileName());
}

bool UiFixture::removeFile(const QString &name) const
{
    return QFile::remove(downloadFolder() + u'/' + name);
}
