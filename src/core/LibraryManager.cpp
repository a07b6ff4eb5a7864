#include "LibraryManager.h"

#include "ArtworkPool.h"
#include "LibrarySearchIndex.h"
#include "Preferences.h"
#include "BackgroundTask.h"
#include "MediaItemFactory.h"
#include "OrderedInspector.h"
#include "PlaylistFile.h"
#include "media/AvMediaAsset.h"
#include "util/FolderScanner.h"
#include "util/SmartSorter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPromise>
#include <QSet>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

// What an import needs once its worker is done.
struct LibraryManager::Batch
{
    QUrl folder; // empty for a batch of files
    std::function<void()> onDone;
    bool readable = true; // false when the folder could not be listed
};

namespace {

MediaItem inspectWithAvformat(const QUrl &url, qint64 sortIndex)
{
    const std::unique_ptr<AvMediaAsset> asset = AvMediaAsset::open(url.toLocalFile());
    return MediaItemFactory::fromURL(url, sortIndex, *asset);
}

QString extensionOf(const QUrl &url)
{
    return QFileInfo(url.fileName()).suffix().toLower();
}

// The folder's path as items under it start, without a trailing separator.
QString folderPrefix(const QUrl &folder)
{
    QString path = QDir::cleanPath(QFileInfo(folder.toLocalFile()).absoluteFilePath());
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

LibraryManager::LibraryManager(QObject *parent) : LibraryManager(inspectWithAvformat, parent) {}

LibraryManager::LibraryManager(ItemFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory)), m_searchIndex(std::make_unique<LibrarySearchIndex>()),
      m_cancelled(std::make_shared<std::atomic<bool>>(false))
{
}

LibraryManager::~LibraryManager()
{
    m_cancelled->store(true);
}

const QStringList &LibraryManager::audioExtensions()
{
    static const QStringList list{u"mp3"_s, u"m4a"_s,  u"m4b"_s,  u"aac"_s,  u"wav"_s, u"flac"_s,
                                  u"ogg"_s, u"wma"_s, u"aiff"_s, u"alac"_s, u"opus"_s};
    return list;
}

const QStringList &LibraryManager::videoExtensions()
{
    static const QStringList list{u"mp4"_s, u"mkv"_s, u"avi"_s, u"mov"_s, u"wmv"_s, u"flv"_s,
                                  u"webm"_s, u"m4v"_s, u"mpg"_s, u"mpeg"_s, u"ts"_s};
    return list;
}

const QStringList &LibraryManager::allExtensions()
{
    static const QStringList list = audioExtensions() + videoExtensions();
    return list;
}

QList<LibraryManager::SortOrder> LibraryManager::allSortOrders()
{
    return {SortOrder::Natural, SortOrder::Title,    SortOrder::Artist,
            SortOrder::Album,   SortOrder::Duration, SortOrder::DateAdded};
}

QString LibraryManager::sortOrderTitle(SortOrder order)
{
    switch (order) {
    case SortOrder::Natural:
        return tr("Natural Order");
    case SortOrder::Title:
        return tr("Title");
    case SortOrder::Artist:
        return tr("Artist");
    case SortOrder::Album:
        return tr("Album");
    case SortOrder::Duration:
        return tr("Duration");
    case SortOrder::DateAdded:
        return tr("Date Added");
    }
    return {};
}

void LibraryManager::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    m_filterValid = false;
    Q_EMIT searchTextChanged();
}

const QList<qsizetype> &LibraryManager::filteredPositions() const
{
    if (m_filterValid)
        return m_filtered;
    m_filtered.clear();
    if (m_searchText.isEmpty()) {
        m_filtered.resize(m_allItems.size());
        std::iota(m_filtered.begin(), m_filtered.end(), qsizetype(0));
    } else {
        if (m_searchIndex->size() != m_allItems.size()) {
            m_searchIndex->clear();
            for (const MediaItem &item : m_allItems)
                m_searchIndex->append(item);
        }
        m_filtered = m_searchIndex->search(m_searchText.toLower(), m_allItems);
    }
    m_filterValid = true;
    return m_filtered;
}

bool LibraryManager::matchesSearch(const MediaItem &item) const
{
    return m_searchText.isEmpty() || LibrarySearchIndex::matches(item, m_searchText.toLower());
}

QList<MediaItem> LibraryManager::filteredItems() const
{
    if (m_searchText.isEmpty())
        return m_allItems;
    QList<MediaItem> result;
    const QList<qsizetype> &positions = filteredPositions();
    result.reserve(positions.size());
    for (qsizetype i : positions)
        result.append(m_allItems[i]);
    return result;
}

QList<MediaItem> LibraryManager::videoItems() const
{
    QList<MediaItem> result;
    for (qsizetype i : filteredPositions()) {
        if (m_allItems[i].isVideo)
            result.append(m_allItems[i]);
    }
    return result;
}

QList<MediaItem> LibraryManager::sortedItems(SortOrder order) const
{
    QList<MediaItem> items = filteredItems();
    switch (order) {
    case SortOrder::Natural:
        return SmartSorter::sortMediaItems(std::move(items), groupRTLFirst());
    case SortOrder::Title:
        return SmartSorter::sortMediaItemsByText(std::move(items), &MediaItem::title);
    case SortOrder::Artist:
        return SmartSorter::sortMediaItemsByText(std::move(items), &MediaItem::artist);
    case SortOrder::Album:
        return SmartSorter::sortMediaItemsByText(std::move(items), &MediaItem::album);
    case SortOrder::Duration:
        std::stable_sort(items.begin(), items.end(), [](const MediaItem &a, const MediaItem &b) {
            return a.duration < b.duration;
        });
        return items;
    case SortOrder::DateAdded:
        return items;
    }
    return items;
}

std::vector<uint32_t> LibraryManager::sortedPositions(SortOrder order) const
{
    auto identity = [this] {
        std::vector<uint32_t> positions(size_t(m_allItems.size()));
        std::iota(positions.begin(), positions.end(), 0u);
        return positions;
    };
    switch (order) {
    case SortOrder::Natural:
        return m_inNaturalOrder ? identity()
                                : SmartSorter::mediaItemPositions(m_allItems, groupRTLFirst());
    case SortOrder::Title:
        return SmartSorter::mediaItemPositionsByText(m_allItems, &MediaItem::title);
    case SortOrder::Artist:
        return SmartSorter::mediaItemPositionsByText(m_allItems, &MediaItem::artist);
    case SortOrder::Album:
        return SmartSorter::mediaItemPositionsByText(m_allItems, &MediaItem::album);
    case SortOrder::Duration: {
        std::vector<uint32_t> positions = identity();
        std::stable_sort(positions.begin(), positions.end(), [this](uint32_t a, uint32_t b) {
            return m_allItems[a].duration < m_allItems[b].duration;
        });
        return positions;
    }
    case SortOrder::DateAdded:
        break;
    }
    return identity();
}

void LibraryManager::createPlaylist(const QString &name, const QList<MediaItem> &items,
                                    bool isAudiobook)
{
    Playlist playlist;
    playlist.name = name;
    playlist.items = SmartSorter::sortMediaItems(items, groupRTLFirst());
    playlist.isAudiobook = isAudiobook;
    m_playlists.append(playlist);
    Q_EMIT playlistsChanged();
}

void LibraryManager::deletePlaylist(const Playlist &playlist)
{
    if (m_playlists.removeIf([&](const Playlist &p) { return p.id == playlist.id; }) > 0)
        Q_EMIT playlistsChanged();
}

void LibraryManager::removeItem(const MediaItem &item)
{
    const auto matches = [&](const MediaItem &m) { return m.id == item.id; };
    bool changedItems = false;
    for (const MediaItem &m : std::as_const(m_allItems)) {
        if (matches(m)) {
            if (--m_urlCounts[m.url] <= 0)
                m_urlCounts.remove(m.url);
        }
    }
    if (m_allItems.removeIf(matches) > 0) {
        changedItems = true;
        itemsChanged();
    }
    bool changedPlaylists = false;
    for (Playlist &playlist : m_playlists) {
        // Only detach playlists that actually hold the item.
        if (std::any_of(playlist.items.cbegin(), playlist.items.cend(), matches)) {
            playlist.items.removeIf(matches);
            changedPlaylists = true;
        }
    }
    if (changedItems)
        Q_EMIT allItemsChanged();
    if (changedPlaylists)
        Q_EMIT playlistsChanged();
}

void LibraryManager::addItemToPlaylist(const Playlist &playlist, const MediaItem &item)
{
    for (Playlist &p : m_playlists) {
        if (p.id == playlist.id) {
            p.items.append(item);
            Q_EMIT playlistsChanged();
            return;
        }
    }
}

void LibraryManager::invalidateIdIndex()
{
    m_idIndexValid = false;
    m_positionById.clear();
}

const MediaItem *LibraryManager::itemWithId(const QUuid &id) const
{
    if (!m_idIndexValid) {
        m_positionById.clear();
        m_positionById.reserve(m_allItems.size());
        for (qsizetype i = 0; i < m_allItems.size(); ++i)
            m_positionById.insert(m_allItems[i].id, i);
        m_idIndexValid = true;
    }
    const auto found = m_positionById.constFind(id);
    if (found != m_positionById.cend())
        return &m_allItems[*found];
    // Playlists may hold records the library does not (a streamed item added to one).
    for (const Playlist &playlist : m_playlists) {
        for (const MediaItem &item : playlist.items) {
            if (item.id == id)
                return &item;
        }
    }
    return nullptr;
}

QList<MediaItem> LibraryManager::itemsWithIds(const QStringList &ids) const
{
    QList<MediaItem> result;
    result.reserve(ids.size());
    for (const QString &text : ids) {
        const QUuid id = QUuid::fromString(text);
        if (id.isNull())
            continue;
        if (const MediaItem *item = itemWithId(id))
            result.append(*item);
    }
    return result;
}

const Playlist *LibraryManager::playlistWithId(const QUuid &id) const
{
    for (const Playlist &playlist : m_playlists) {
        if (playlist.id == id)
            return &playlist;
    }
    return nullptr;
}

Playlist *LibraryManager::findPlaylist(const QString &playlistId)
{
    const QUuid id = QUuid::fromString(playlistId);
    if (id.isNull())
        return nullptr;
    for (Playlist &playlist : m_playlists) {
        if (playlist.id == id)
            return &playlist;
    }
    return nullptr;
}

QList<MediaItem> LibraryManager::playlistItems(const QString &playlistId) const
{
    const Playlist *playlist = playlistWithId(QUuid::fromString(playlistId));
    return playlist ? playlist->items : QList<MediaItem>();
}

void LibraryManager::createPlaylist(const QString &name, bool isAudiobook)
{
    createPlaylist(name, {}, isAudiobook);
}

void LibraryManager::deletePlaylist(const QString &playlistId)
{
    if (const Playlist *playlist = findPlaylist(playlistId))
        deletePlaylist(Playlist(*playlist));
}

void LibraryManager::renamePlaylist(const QString &playlistId, const QString &name)
{
    Playlist *playlist = findPlaylist(playlistId);
    if (!playlist || playlist->name == name)
        return;
    playlist->name = name;
    Q_EMIT playlistsChanged();
}

void LibraryManager::removeItem(const QString &itemId)
{
    const QUuid id = QUuid::fromString(itemId);
    if (id.isNull())
        return;
    MediaItem key;
    key.id = id;
    removeItem(key);
}

void LibraryManager::addItemToPlaylist(const QString &playlistId, const QString &itemId)
{
    Playlist *playlist = findPlaylist(playlistId);
    const MediaItem *item = itemWithId(QUuid::fromString(itemId));
    if (!playlist || !item || QUuid::fromString(itemId).isNull())
        return;
    // A copy first: appending may reallocate the list `item` points into.
    const MediaItem copy = *item;
    playlist->items.append(copy);
    Q_EMIT playlistsChanged();
}

void LibraryManager::movePlaylistItem(const QString &playlistId, int from, int to)
{
    Playlist *playlist = findPlaylist(playlistId);
    if (!playlist)
        return;
    const int size = int(playlist->items.size());
    if (from < 0 || from >= size || to < 0 || to > size || to == from || to == from + 1)
        return;
    playlist->items.move(from, to > from ? to - 1 : to);
    Q_EMIT playlistsChanged();
}

void LibraryManager::removeFromPlaylist(const QString &playlistId, int position)
{
    Playlist *playlist = findPlaylist(playlistId);
    if (!playlist || position < 0 || position >= playlist->items.size())
        return;
    playlist->items.removeAt(position);
    Q_EMIT playlistsChanged();
}

void LibraryManager::addFiles(const QList<QUrl> &urls)
{
    QList<QUrl> media;
    QList<QUrl> playlistFiles;
    for (const QUrl &url : urls)
        (url.isLocalFile() && PlaylistFile::isPlaylistFile(url) ? playlistFiles : media)
            .append(url);
    if (playlistFiles.isEmpty() || !media.isEmpty())
        startImport(media, QUrl(), {});
    for (const QUrl &file : std::as_const(playlistFiles))
        importPlaylistFile(file);
}

void LibraryManager::addFolder(const QUrl &folder)
{
    startImport({}, folder, {});
}

bool LibraryManager::handleDrop(const QList<QUrl> &urls)
{
    QList<QUrl> local;
    for (const QUrl &url : urls) {
        if (url.isValid() && url.isLocalFile() && !url.toLocalFile().isEmpty())
            local.append(url);
    }
    if (local.isEmpty())
        return false;

    // Telling folders from files touches the disk once per URL: do it off the main thread.
    // The drop counts as one running import until its last batch ends, so the loading
    // state holds between the folders of one drop.
    beginImport();
    struct Split
    {
        QList<QUrl> folders;
        QList<QUrl> files;
        QList<QUrl> playlistFiles;
    };
    runInBackground(
        this,
        [local] {
            Split split;
            for (const QUrl &url : local) {
                if (QFileInfo(url.toLocalFile()).isDir())
                    split.folders.append(url);
                else if (PlaylistFile::isPlaylistFile(url))
                    split.playlistFiles.append(url);
                else
                    split.files.append(url);
            }
            return split;
        },
        [this](const Split &split) {
            for (const QUrl &file : split.playlistFiles)
                importPlaylistFile(file);
            runFolderChain(split.folders, split.files);
        });
    return true;
}

void LibraryManager::importPlaylistFile(const QUrl &file)
{
    struct Read
    {
        bool ok = false;
        QString error;
        QList<QUrl> entries; // media files only
        int skipped = 0;
        bool onlyMissing = true; // every skipped entry named a missing file
    };
    beginImport();
    runInBackground(
        this,
        [path = file.toLocalFile()] {
            Read read;
            PlaylistFile::Contents contents;
            read.ok = PlaylistFile::read(path, &contents, &read.error);
            int notMedia = 0;
            for (const QUrl &url : std::as_const(contents.entries)) {
                if (allExtensions().contains(extensionOf(url)))
                    read.entries.append(url);
                else
                    ++notMedia;
            }
            read.skipped = contents.missing + contents.remote + contents.unsupported + notMedia;
            read.onlyMissing = read.skipped == contents.missing;
            return read;
        },
        [this, file](const Read &read) {
            if (!read.ok) {
                Q_EMIT notice(tr("“%1” could not be read: %2").arg(file.fileName(), read.error));
                endImport();
                return;
            }
            // The playlist is made once its files are in the library; this import
            // counts as running until then.
            startImport(read.entries, QUrl(), [this, file, read] {
                finishPlaylistImport(file, read.entries, read.skipped, read.onlyMissing);
                endImport();
            });
        });
}

void LibraryManager::finishPlaylistImport(const QUrl &file, const QList<QUrl> &entries, int skipped,
                                          bool onlyMissing)
{
    // Every entry that existed is in the library by now: appended by this import, or
    // already there (imported before, or by another import while this one ran).
    const QSet<QUrl> wanted(entries.cbegin(), entries.cend());
    QHash<QUrl, qsizetype> positions;
    for (qsizetype i = 0; i < m_allItems.size(); ++i) {
        if (wanted.contains(m_allItems[i].url))
            positions.insert(m_allItems[i].url, i);
    }
    Playlist playlist;
    const QFileInfo info(file.toLocalFile());
    playlist.name = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    playlist.items.reserve(entries.size());
    for (const QUrl &url : entries) {
        const auto found = positions.constFind(url);
        if (found != positions.cend())
            playlist.items.append(m_allItems[*found]);
        else
            ++skipped; // removed, or gone from the disk, while the import ran
    }
    m_playlists.append(playlist);
    Q_EMIT playlistsChanged();
    if (skipped == 0)
        return;
    // No English catalogue is loaded to pick plural forms, so one entry has its own text.
    QString text;
    if (onlyMissing) {
        text = skipped == 1
                   ? tr("“%1”: one entry could not be found and was skipped.")
                   : tr("“%1”: %n entries could not be found and were skipped.", nullptr, skipped);
    } else {
        text = skipped == 1 ? tr("“%1”: one entry was skipped: a missing file, an online address "
                                 "or a file that is not media.")
                            : tr("“%1”: %n entries were skipped: missing files, online addresses "
                                 "or files that are not media.",
                                 nullptr, skipped);
    }
    Q_EMIT notice(text.arg(file.fileName()));
}

bool LibraryManager::exportPlaylist(const QString &playlistId, const QUrl &file)
{
    const Playlist *playlist = findPlaylist(playlistId);
    if (!playlist) {
        Q_EMIT notice(tr("The playlist could not be saved: it no longer exists."));
        return false;
    }
    if (!file.isLocalFile() || file.toLocalFile().isEmpty()) {
        Q_EMIT notice(tr("“%1” could not be saved: only files on this computer can be written.")
                          .arg(file.toDisplayString()));
        return false;
    }
    QString error;
    if (!PlaylistFile::write(file.toLocalFile(), playlist->items, &error)) {
        Q_EMIT notice(tr("“%1” could not be saved: %2").arg(file.fileName(), error));
        return false;
    }
    return true;
}

void LibraryManager::runFolderChain(QList<QUrl> folders, QList<QUrl> files)
{
    if (!folders.isEmpty()) {
        const QUrl folder = folders.takeFirst();
        startImport({}, folder, [this, folders, files] { runFolderChain(folders, files); });
        return;
    }
    if (!files.isEmpty()) {
        startImport(files, QUrl(), [this] { endImport(); });
        return;
    }
    endImport();
}

void LibraryManager::startImport(const QList<QUrl> &urls, const QUrl &folder,
                                 std::function<void()> onDone)
{
    beginImport();
    setProgress(0);

    // The worker sees the locations known now (an implicitly shared copy: no per-import
    // copy of the library's locations); the main thread checks again on append, since
    // another import may add the same file meanwhile.
    const QHash<QUrl, int> known = m_urlCounts;

    const auto cancelled = m_cancelled;
    const ItemFactory factory = m_factory;
    const bool groupRTL = groupRTLFirst();
    auto batch = std::make_shared<Batch>(Batch{folder, std::move(onDone), true});

    struct Delivery
    {
        MediaItem item;
        double progress = 0;
    };
    const auto work = [cancelled, factory, urls, folder, known, batch,
                       groupRTL](QPromise<Delivery> &promise) {
        QList<QUrl> candidates;
        bool scanned = true;
        if (folder.isEmpty()) {
            for (const QUrl &url : urls) {
                if (url.isLocalFile() && allExtensions().contains(extensionOf(url)))
                    candidates.append(QUrl::fromLocalFile(QDir::cleanPath(url.toLocalFile())));
            }
        } else {
            const auto files = FolderScanner::scan(folder.toLocalFile(), allExtensions());
            scanned = files.has_value();
            if (files) {
                for (const QString &path : *files)
                    candidates.append(QUrl::fromLocalFile(path));
            }
        }

        const QList<QUrl> ordered = SmartSorter::sortURLs(candidates, groupRTL);
        const qsizetype count = ordered.size();
        QList<OrderedInspector::Job> jobs;
        QSet<QUrl> seen;
        for (qsizetype i = 0; i < count; ++i) {
            const QUrl &url = ordered[i];
            if (known.contains(url) || seen.contains(url))
                continue;
            seen.insert(url);
            jobs.append({url, i + 1, i});
        }

        ArtworkPool pool;
        const auto inspect = [&](const QUrl &url, qint64 sortIndex) -> std::optional<MediaItem> {
            // Nothing to import at a location that names no file (a stale drop, a typo).
            if (!QFileInfo::exists(url.toLocalFile()))
                return std::nullopt;
            MediaItem item = factory(url, sortIndex);
            pool.share(item);
            return item;
        };
        const auto deliver = [&](const OrderedInspector::Job &job, std::optional<MediaItem> item) {
            if (item)
                promise.addResult(Delivery{std::move(*item), double(job.position + 1) / double(count)});
        };
        OrderedInspector::run(jobs, inspect, deliver, *cancelled,
                              std::max(1, QThread::idealThreadCount()));
        batch->readable = scanned;
    };
    runInBackground<Delivery>(
        this, work,
        [this](const Delivery &delivery) { appendImported(delivery.item, delivery.progress); },
        [this, batch] { finishImport(*batch); });
}

void LibraryManager::appendImported(const MediaItem &item, double progress)
{
    if (m_urlCounts.contains(item.url))
        return;
    m_urlCounts.insert(item.url, 1);
    m_allItems.append(item);
    m_inNaturalOrder = false;
    if (m_idIndexValid)
        m_positionById.insert(item.id, m_allItems.size() - 1);
    if (m_searchIndex->size() == m_allItems.size() - 1)
        m_searchIndex->append(item);
    m_filterValid = false;
    Q_EMIT itemAppended(item);
    Q_EMIT allItemsChanged();
    setProgress(progress);
}

void LibraryManager::finishImport(const Batch &batch)
{
    if (!batch.readable) {
        // A folder that cannot be listed ends its import without changes.
    } else if (batch.folder.isEmpty()) {
        resortAll();
        setProgress(1.0);
    } else {
        const QString prefix = folderPrefix(batch.folder);
        QList<MediaItem> folderItems;
        for (const MediaItem &item : std::as_const(m_allItems)) {
            if (item.url.toLocalFile().startsWith(prefix))
                folderItems.append(item);
        }
        if (folderItems.size() >= 2) {
            const bool anyVideo = std::any_of(folderItems.cbegin(), folderItems.cend(),
                                              [](const MediaItem &i) { return i.isVideo; });
            QString name = QFileInfo(QDir::cleanPath(batch.folder.toLocalFile())).fileName();
            createPlaylist(name, folderItems, !anyVideo);
        }
        resortAll();
    }
    // The next step of a drop starts before this import counts as ended, so the
    // loading state does not blink off between steps.
    if (batch.onDone)
        batch.onDone();
    endImport();
}

void LibraryManager::beginImport()
{
    ++m_runningImports;
    setLoading(true);
}

void LibraryManager::endImport()
{
    Q_ASSERT(m_runningImports > 0);
    if (--m_runningImports > 0)
        return;
    // Loading ends only when no import is left, whichever of two overlapping ones ends first.
    setLoading(false);
    Q_EMIT importsFinished();
}

bool LibraryManager::groupRTLFirst() const
{
    return !m_preferences || m_preferences->groupRTLFirst();
}

void LibraryManager::setPreferences(Preferences *preferences)
{
    if (m_preferences)
        disconnect(m_preferences, nullptr, this, nullptr);
    m_preferences = preferences;
    if (!preferences)
        return;
    connect(preferences, &Preferences::groupRTLFirstChanged, this, [this] {
        // An import running now re-sorts everything when it ends.
        if (m_runningImports == 0 && !m_allItems.isEmpty())
            resortAll();
    });
}

bool LibraryManager::isInAudiobook(const QUuid &itemId) const
{
    for (const Playlist &playlist : m_playlists) {
        if (!playlist.isAudiobook)
            continue;
        for (const MediaItem &item : playlist.items) {
            if (item.id == itemId)
                return true;
        }
    }
    return false;
}

void LibraryManager::resortAll()
{
    m_allItems = SmartSorter::sortMediaItems(std::move(m_allItems), groupRTLFirst());
    m_inNaturalOrder = true;
    itemsChanged();
    Q_EMIT allItemsChanged();
}

void LibraryManager::itemsChanged()
{
    invalidateIdIndex();
    m_filterValid = false;
    m_searchIndex->clear();
}

void LibraryManager::setLoading(bool loading)
{
    if (m_isLoading == loading)
        return;
    m_isLoading = loading;
    Q_EMIT isLoadingChanged();
}

void LibraryManager::setProgress(double progress)
{
    if (m_loadingProgress == progress)
        return;
    m_loadingProgress = progress;
    Q_EMIT loadingProgressChanged();
}
