<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AudiobookCard</name>
    <message numerus="yes">
        <source>%Ln chapters</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Play from the first chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Chapters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudiobookView</name>
    <message>
        <source>Audiobooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln audiobooks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No Audiobooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a folder containing audiobook chapters.
Chapters will be sorted correctly, even with Arabic titles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Audiobook Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>Starting download...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the folder %1 cannot be written to. Choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrying...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadProgressParser</name>
    <message>
        <source>Converting audio...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadQueueView</name>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln active</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download videos or audio from YouTube.
Go to the YouTube tab to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadRowView</name>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadTask</name>
    <message>
        <source>Waiting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerReveal</name>
    <message>
        <source>“%1” is no longer on disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be shown in a file manager.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Media files and playlists (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportChoosers</name>
    <message>
        <source>Select media files to add to your library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder containing media files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists (*.m3u8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder for downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemContextMenu</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to New Playlist...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Library</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryManager</name>
    <message>
        <source>Natural Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”: one entry could not be found and was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>“%1”: %n entries could not be found and were skipped.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: one entry was skipped: a missing file, an online address or a file that is not media.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>“%1”: %n entries were skipped: missing files, online addresses or files that are not media.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The playlist could not be saved: it no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be saved: only files on this computer can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryView</name>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Search library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Library is Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files or folders to get started.
Drag and drop media files here, or use the buttons below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading media files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Lyrabox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste YouTube URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaPlayerManager</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat One</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiniPlayerView</name>
    <message>
        <source>Unknown Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep timer: %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep timer: end of chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln Minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewPlaylistSheet</name>
    <message>
        <source>New Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an audiobook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NowPlayingView</name>
    <message>
        <source>Now Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a track from your library to start playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlaylistCard</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large for a playlist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistsView</name>
    <message>
        <source>Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln playlists</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create playlists to organize your media.
Folders added as audiobooks will appear here too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Play All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Playlist...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Lyrabox: cannot save the settings to %1; changes last until Lyrabox quits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyrabox follows your system appearance settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-play next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Sort Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural Order (recommended for audiobooks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic / RTL Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group RTL titles first when sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural sorting handles Arabic numerals (١٢٣) and Western numerals (123) correctly. Audiobook chapters like &apos;الفصل ١&apos; through &apos;الفصل ١٠&apos; will be sorted in the correct order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default playback speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.5x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.75x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0x (Normal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.25x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.75x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.0x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip silence in audiobooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4A (recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 (recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidebarTab</name>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audiobooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip back %1s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip forward %1s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoFrameImageProvider</name>
    <message>
        <source>No picture could be taken from this video.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoInfoCard</name>
    <message>
        <source>Stream Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Audio Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoLibraryView</name>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln videos</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add video files to your library or
stream from YouTube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Videos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1x</source>
        <extracomment>A playback speed, such as &quot;1.5x&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YouTubeError</name>
    <message>
        <source>Download failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp is not installed. Install with: sudo apt install yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to parse video information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not get a valid streaming URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded file not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YouTubeService</name>
    <message>
        <source>yt-dlp is not installed. Install it with: sudo apt install yt-dlp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to fetch video info: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing audio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing video...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading audio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading video...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YouTubeVideoInfo</name>
    <message>
        <source>Unknown</source>
        <extracomment>The title of an online video whose page gives none.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YouTubeView</name>
    <message>
        <source>YouTube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream or download from YouTube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yt-dlp is required for YouTube features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install with APT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching video info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste a YouTube URL to get started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can stream videos, listen to audio only,
or download content for offline use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YtDlpProcess</name>
    <message>
        <source>Failed to launch: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
