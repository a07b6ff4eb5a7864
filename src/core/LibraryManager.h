#pragma once

#include "models/MediaItem.h"
#include "models/Playlist.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>
#include <functional>
#include <memory>

class LibrarySearchIndex;
class Preferences;

// The one library store: every imported item, the playlists, import progress and the
// search text. Lives on the main thread; imports inspect files on worker threads and
// apply every change here. Nothing is stored on disk.
class LibraryManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<MediaItem> allItems READ allItems NOTIFY allItemsChanged)
    Q_PROPERTY(QList<Playlist> playlists READ playlists NOTIFY playlistsChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(double loadingProgress READ loadingProgress NOTIFY loadingProgressChanged)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)

public:
    // The orders the library list offers; titles via sortOrderTitle.
    enum class SortOrder { Natural, Title, Artist, Album, Duration, DateAdded };
    Q_ENUM(SortOrder)

    // Builds the record for one file; called on worker threads, several at once.
    using ItemFactory = std::function<MediaItem(const QUrl &url, qint64 sortIndex)>;

    explicit LibraryManager(QObject *parent = nullptr);
    // For tests: inspect files with `factory` instead of the media inspector.
    LibraryManager(ItemFactory factory, QObject *parent = nullptr);
    ~LibraryManager() override;

    // The natural orders group right-to-left titles first as `preferences` say (always
    // without them); a change re-sorts the library.
    void setPreferences(Preferences *preferences);

    static const QStringList &audioExtensions();
    static const QStringList &videoExtensions();
    static const QStringList &allExtensions();
    static QList<SortOrder> allSortOrders();
    // The menu title of an order ("Natural Order", "Title", ...), translated.
    Q_INVOKABLE static QString sortOrderTitle(SortOrder order);

    const QList<MediaItem> &allItems() const { return m_allItems; }
    const QList<Playlist> &playlists() const { return m_playlists; }
    bool isLoading() const { return m_isLoading; }
    double loadingProgress() const { return m_loadingProgress; }
    const QString &searchText() const { return m_searchText; }
    void setSearchText(const QString &text);

    // Positions in allItems of the items matching searchText, in order. Recomputed
    // only when the items or the search text change.
    const QList<qsizetype> &filteredPositions() const;
    // The items of allItems whose lower-cased title, artist or album contains the
    // lower-cased search text (all items when it is empty), in order.
    QList<MediaItem> filteredItems() const;
    // Whether one record passes that test.
    bool matchesSearch(const MediaItem &item) const;
    // The video items of filteredItems.
    QList<MediaItem> videoItems() const;
    // filteredItems in the given order (stable).
    QList<MediaItem> sortedItems(SortOrder order) const;
    // Positions in allItems of every item (the search aside) in the given order. A
    // list that keeps them filters them by filteredPositions on each search instead of
    // sorting again: for every order but the natural one that is the same list as
    // sortedItems; in natural order it is the library's order with the items the
    // search leaves out taken away.
    std::vector<uint32_t> sortedPositions(SortOrder order) const;
    // Whether allItems is in natural item order (true except while an import appends).
    bool isInNaturalOrder() const { return m_inNaturalOrder; }

    // The library item with that id, else the first playlist copy with it; null when
    // neither exists. Valid until the library or the playlists next change.
    const MediaItem *itemWithId(const QUuid &id) const;
    // The records for `ids` (QUuid texts, braces optional) in the given order,
    // duplicates kept, unknown ids skipped. An id found only in a playlist gives that
    // playlist's copy. One hash lookup per id.
    Q_INVOKABLE QList<MediaItem> itemsWithIds(const QStringList &ids) const;
    // The items of the playlist with that id; none when there is no such playlist.
    Q_INVOKABLE QList<MediaItem> playlistItems(const QString &playlistId) const;
    const Playlist *playlistWithId(const QUuid &id) const;
    // Whether an item with that id is in an audiobook playlist.
    bool isInAudiobook(const QUuid &itemId) const;

    void createPlaylist(const QString &name, const QList<MediaItem> &items, bool isAudiobook);
    // An empty playlist.
    Q_INVOKABLE void createPlaylist(const QString &name, bool isAudiobook);
    void deletePlaylist(const Playlist &playlist);
    Q_INVOKABLE void deletePlaylist(const QString &playlistId);
    Q_INVOKABLE void renamePlaylist(const QString &playlistId, const QString &name);
    // Removes the item from the library and from every playlist.
    void removeItem(const MediaItem &item);
    Q_INVOKABLE void removeItem(const QString &itemId);
    // Appends the item to the first playlist with that id; nothing when it is gone.
    void addItemToPlaylist(const Playlist &playlist, const MediaItem &item);
    // Appends the item with `itemId` (as itemsWithIds finds it); duplicates are allowed.
    Q_INVOKABLE void addItemToPlaylist(const QString &playlistId, const QString &itemId);
    // The drag of one row: the entry at `from` goes before position `to` (counted before
    // the move). Nothing for positions out of range or a drop onto the row itself or
    // just below it.
    Q_INVOKABLE void movePlaylistItem(const QString &playlistId, int from, int to);
    Q_INVOKABLE void removeFromPlaylist(const QString &playlistId, int position);

    // Imports the files (media extensions only, each location once) in the
    // background. Records appear one by one in natural file-name order. An .m3u or
    // .m3u8 file among them is imported as a playlist (importPlaylistFile).
    Q_INVOKABLE void addFiles(const QList<QUrl> &urls);
    // Scans the folder tree in the background, imports what it finds, and makes the
    // folder's items a playlist when there are two or more.
    Q_INVOKABLE void addFolder(const QUrl &folder);
    // A drop of URLs: existing folders are imported first, one after another, then
    // every other local file in one batch. Returns whether any local file URL was
    // given; anything else (text, remote addresses) is refused. Playlist files are
    // imported as playlists.
    Q_INVOKABLE bool handleDrop(const QList<QUrl> &urls);

    // Reads the playlist file in the background, imports the media files it lists as
    // addFiles would, and adds a playlist named after the file holding their records
    // in the file's order (repeated entries kept). Entries that were missing, remote or
    // not media files are reported in one notice.
    void importPlaylistFile(const QUrl &file);
    // Writes the playlist's items to `file` as an M3U8 playlist. False, with a notice,
    // when the playlist is gone or the file cannot be written.
    Q_INVOKABLE bool exportPlaylist(const QString &playlistId, const QUrl &file);

    // Imports still running (including folders waiting their turn in a drop).
    int runningImports() const { return m_runningImports; }

Q_SIGNALS:
    void allItemsChanged();
    void playlistsChanged();
    void isLoadingChanged();
    void loadingProgressChanged();
    void searchTextChanged();
    // One record was appended at the end of allItems during an import.
    void itemAppended(const MediaItem &item);
    // Every import has finished (runningImports dropped to zero).
    void importsFinished();
    // A message for the user about a playlist file (entries skipped on import, a
    // failed export), translated.
    void notice(const QString &text);

private:
    struct Batch;
    void startImport(const QList<QUrl> &urls, const QUrl &folder, std::function<void()> onDone);
    void runFolderChain(QList<QUrl> folders, QList<QUrl> files);
    void finishPlaylistImport(const QUrl &file, const QList<QUrl> &entries, int skipped,
                              bool onlyMissing);
    void appendImported(const MediaItem &item, double progress);
    void finishImport(const Batch &batch);
    void beginImport();
    void endImport();
    Playlist *findPlaylist(const QString &playlistId);
    void invalidateIdIndex();
    void setLoading(bool loading);
    void setProgress(double progress);
    void itemsChanged();
    void resortAll();
    bool groupRTLFirst() const;

    ItemFactory m_factory;
    QPointer<Preferences> m_preferences;
    QList<MediaItem> m_allItems;
    bool m_inNaturalOrder = true;
    QList<Playlist> m_playlists;
    bool m_isLoading = false;
    double m_loadingProgress = 0;
    QString m_searchText;
    int m_runningImports = 0;

    // Count of items per location, for the duplicate test (one lookup per file).
    QHash<QUrl, int> m_urlCounts;

    mutable bool m_filterValid = false;
    mutable QList<qsizetype> m_filtered;
    std::unique_ptr<LibrarySearchIndex> m_searchIndex;

    // Position in allItems by id; rebuilt on the first lookup after a change other
    // than an append.
    mutable bool m_idIndexValid = false;
    mutable QHash<QUuid, qsizetype> m_positionById;

    // Set when the manager goes away, so background work stops early.
    std::shared_ptr<std::atomic<bool>> m_cancelled;
};
