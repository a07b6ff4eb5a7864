<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AudiobookCard</name>
    <message numerus="yes">
        <source>%Ln chapters</source>
        <translation>
            <numerusform>פרק אחד</numerusform>
            <numerusform>%Ln פרקים</numerusform>
        </translation>
    </message>
    <message>
        <source>Play from the first chapter</source>
        <translation>ניגון מהפרק הראשון</translation>
    </message>
    <message>
        <source>Hide Chapters</source>
        <translation>הסתרת הפרקים</translation>
    </message>
    <message>
        <source>Show Chapters</source>
        <translation>הצגת הפרקים</translation>
    </message>
</context>
<context>
    <name>AudiobookView</name>
    <message>
        <source>Audiobooks</source>
        <translation>ספרי שמע</translation>
    </message>
    <message numerus="yes">
        <source>%Ln audiobooks</source>
        <translation>
            <numerusform>ספר שמע אחד</numerusform>
            <numerusform>%Ln ספרי שמע</numerusform>
        </translation>
    </message>
    <message>
        <source>No Audiobooks</source>
        <translation>אין ספרי שמע</translation>
    </message>
    <message>
        <source>Add a folder containing audiobook chapters.
Chapters will be sorted correctly, even with Arabic titles.</source>
        <translation>אפשר להוסיף תיקייה שמכילה פרקים של ספר שמע.
הפרקים ימוינו כראוי, גם כשהכותרות בערבית.</translation>
    </message>
    <message>
        <source>Add Audiobook Folder</source>
        <translation>הוספת תיקיית ספר שמע</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Error</source>
        <translation>שגיאה</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>Starting download...</source>
        <translation>ההורדה מתחילה...</translation>
    </message>
    <message>
        <source>Download failed: the folder %1 cannot be written to. Choose another folder.</source>
        <translation>ההורדה נכשלה: אין אפשרות לכתוב לתיקייה %1. נא לבחור תיקייה אחרת.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>הושלמה</translation>
    </message>
    <message>
        <source>Retrying...</source>
        <translation>ניסיון חוזר...</translation>
    </message>
</context>
<context>
    <name>DownloadProgressParser</name>
    <message>
        <source>Converting audio...</source>
        <translation>המרת אודיו...</translation>
    </message>
</context>
<context>
    <name>DownloadQueueView</name>
    <message>
        <source>Downloads</source>
        <translation>הורדות</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>פריט אחד</numerusform>
            <numerusform>%Ln פריטים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln active</source>
        <translation>
            <numerusform>פעיל אחד</numerusform>
            <numerusform>%Ln פעילים</numerusform>
        </translation>
    </message>
    <message>
        <source>No Downloads</source>
        <translation>אין הורדות</translation>
    </message>
    <message>
        <source>Download videos or audio from YouTube.
Go to the YouTube tab to get started.</source>
        <translation>אפשר להוריד סרטונים או אודיו מיוטיוב.
כדי להתחיל, יש לעבור ללשונית יוטיוב.</translation>
    </message>
    <message>
        <source>Clear Completed</source>
        <translation>ניקוי הורדות שהושלמו</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>החלפת תיקייה</translation>
    </message>
    <message>
        <source>Download directory: %1</source>
        <translation>תיקיית ההורדות: %1</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>פתיחה במנהל הקבצים</translation>
    </message>
    <message>
        <source>Add to Library</source>
        <translation>הוספה לספרייה</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>הצגה במנהל הקבצים</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>הסרה</translation>
    </message>
</context>
<context>
    <name>DownloadRowView</name>
    <message>
        <source>Audio</source>
        <translation>אודיו</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>וידאו</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>הוספה לספרייה</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ניסיון חוזר</translation>
    </message>
</context>
<context>
    <name>DownloadTask</name>
    <message>
        <source>Waiting...</source>
        <translation>בהמתנה...</translation>
    </message>
</context>
<context>
    <name>FileManagerReveal</name>
    <message>
        <source>“%1” is no longer on disk.</source>
        <translation>הקובץ &quot;%1&quot; כבר לא נמצא בדיסק.</translation>
    </message>
    <message>
        <source>“%1” could not be shown in a file manager.</source>
        <translation>לא ניתן להציג את &quot;%1&quot; במנהל קבצים.</translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Media files and playlists (%1)</source>
        <translation>קובצי מדיה ורשימות השמעה (%1)</translation>
    </message>
    <message>
        <source>Playlists (%1)</source>
        <translation>רשימות השמעה (%1)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>רשימת השמעה</translation>
    </message>
</context>
<context>
    <name>ImportChoosers</name>
    <message>
        <source>Select media files to add to your library</source>
        <translation>בחירת קובצי מדיה להוספה לספרייה</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>הוספת קבצים</translation>
    </message>
    <message>
        <source>Select a folder containing media files</source>
        <translation>בחירת תיקייה שמכילה קובצי מדיה</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>הוספת תיקייה</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>ייצוא רשימת השמעה</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message>
        <source>Playlists (*.m3u8)</source>
        <translation>רשימות השמעה (*.m3u8)</translation>
    </message>
    <message>
        <source>Choose the folder for downloads</source>
        <translation>בחירת תיקייה להורדות</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>בחירה</translation>
    </message>
</context>
<context>
    <name>ItemContextMenu</name>
    <message>
        <source>Play</source>
        <translation>ניגון</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>ניגון כפריט הבא</translation>
    </message>
    <message>
        <source>Add to New Playlist...</source>
        <translation>הוספה לרשימת השמעה חדשה...</translation>
    </message>
    <message>
        <source>Add to Playlist</source>
        <translation>הוספה לרשימת השמעה</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>הצגה במנהל הקבצים</translation>
    </message>
    <message>
        <source>Remove from Library</source>
        <translation>הסרה מהספרייה</translation>
    </message>
</context>
<context>
    <name>LibraryManager</name>
    <message>
        <source>Natural Order</source>
        <translation>סדר טבעי</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>כותרת</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>אמן</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>אלבום</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>משך</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>תאריך הוספה</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>לא ניתן לקרוא את &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>“%1”: one entry could not be found and was skipped.</source>
        <translation>בקובץ &quot;%1&quot; רשומה אחת לא נמצאה ולכן דולגה.</translation>
    </message>
    <message numerus="yes">
        <source>“%1”: %n entries could not be found and were skipped.</source>
        <translation>
            <numerusform>בקובץ &quot;%1&quot; רשומה אחת לא נמצאה ולכן דולגה.</numerusform>
            <numerusform>בקובץ &quot;%1&quot; %n רשומות לא נמצאו ולכן דולגו.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: one entry was skipped: a missing file, an online address or a file that is not media.</source>
        <translation>בקובץ &quot;%1&quot; דולגה רשומה אחת: קובץ חסר, כתובת אינטרנט או קובץ שאינו מדיה.</translation>
    </message>
    <message numerus="yes">
        <source>“%1”: %n entries were skipped: missing files, online addresses or files that are not media.</source>
        <translation>
            <numerusform>בקובץ &quot;%1&quot; דולגה רשומה אחת: קובץ חסר, כתובת אינטרנט או קובץ שאינו מדיה.</numerusform>
            <numerusform>בקובץ &quot;%1&quot; דולגו %n רשומות: קבצים חסרים, כתובות אינטרנט או קבצים שאינם מדיה.</numerusform>
        </translation>
    </message>
    <message>
        <source>The playlist could not be saved: it no longer exists.</source>
        <translation>לא ניתן לשמור את רשימת ההשמעה: היא כבר לא קיימת.</translation>
    </message>
    <message>
        <source>“%1” could not be saved: only files on this computer can be written.</source>
        <translation>לא ניתן לשמור את &quot;%1&quot;: אפשר לכתוב רק לקבצים במחשב הזה.</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>לא ניתן לשמור את &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>LibraryView</name>
    <message>
        <source>Library</source>
        <translation>ספרייה</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>פריט אחד</numerusform>
            <numerusform>%Ln פריטים</numerusform>
        </translation>
    </message>
    <message>
        <source>Search library...</source>
        <translation>חיפוש בספרייה...</translation>
    </message>
    <message>
        <source>Your Library is Empty</source>
        <translation>הספרייה שלך ריקה</translation>
    </message>
    <message>
        <source>Add files or folders to get started.
Drag and drop media files here, or use the buttons below.</source>
        <translation>כדי להתחיל, יש להוסיף קבצים או תיקיות.
אפשר לגרור לכאן קובצי מדיה או להשתמש בכפתורים שלמטה.</translation>
    </message>
    <message>
        <source>Loading media files...</source>
        <translation>טעינת קובצי מדיה...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>מיון</translation>
    </message>
    <message>
        <source>Play All</source>
        <translation>ניגון הכול</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>הוספת קבצים...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>הוספת תיקייה...</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>הוספת קבצים</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>הוספת תיקייה</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Lyrabox</source>
        <translation>Lyrabox</translation>
    </message>
    <message>
        <source>Open Files...</source>
        <translation>פתיחת קבצים...</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>פתיחת תיקייה...</translation>
    </message>
    <message>
        <source>Paste YouTube URL</source>
        <translation>הדבקת כתובת יוטיוב</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>הגדרות...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>ניגון / השהיה</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>הרצועה הבאה</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>הרצועה הקודמת</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>הגברת עוצמה</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>הנמכת עוצמה</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;תצוגה</translation>
    </message>
</context>
<context>
    <name>MediaPlayerManager</name>
    <message>
        <source>Off</source>
        <translation>ללא חזרה</translation>
    </message>
    <message>
        <source>Repeat All</source>
        <translation>חזרה על הכול</translation>
    </message>
    <message>
        <source>Repeat One</source>
        <translation>חזרה על פריט אחד</translation>
    </message>
</context>
<context>
    <name>MiniPlayerView</name>
    <message>
        <source>Unknown Artist</source>
        <translation>אמן לא ידוע</translation>
    </message>
    <message>
        <source>Sleep Timer</source>
        <translation>טיימר שינה</translation>
    </message>
    <message>
        <source>Sleep timer: %1 left</source>
        <translation>טיימר שינה: נותרו %1</translation>
    </message>
    <message>
        <source>Sleep timer: end of chapter</source>
        <translation>טיימר שינה: סוף הפרק</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>End of Chapter</source>
        <translation>סוף הפרק</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Minutes</source>
        <translation>
            <numerusform>דקה אחת</numerusform>
            <numerusform>%Ln דקות</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewPlaylistSheet</name>
    <message>
        <source>New Playlist</source>
        <translation>רשימת השמעה חדשה</translation>
    </message>
    <message>
        <source>Playlist Name</source>
        <translation>שם רשימת ההשמעה</translation>
    </message>
    <message>
        <source>This is an audiobook</source>
        <translation>זהו ספר שמע</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>יצירה</translation>
    </message>
</context>
<context>
    <name>NowPlayingView</name>
    <message>
        <source>Now Playing</source>
        <translation>מתנגן כעת</translation>
    </message>
    <message>
        <source>Hide chapters</source>
        <translation>הסתרת הפרקים</translation>
    </message>
    <message>
        <source>Show chapters</source>
        <translation>הצגת הפרקים</translation>
    </message>
    <message>
        <source>Nothing Playing</source>
        <translation>שום דבר לא מתנגן</translation>
    </message>
    <message>
        <source>Select a track from your library to start playing.</source>
        <translation>יש לבחור רצועה מהספרייה כדי להתחיל לנגן.</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>פרקים</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>תור</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>פריט אחד</numerusform>
            <numerusform>%Ln פריטים</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlaylistCard</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>פריט אחד</numerusform>
            <numerusform>%Ln פריטים</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>זה אינו קובץ.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>הקובץ אינו קיים.</translation>
    </message>
    <message>
        <source>The file is too large for a playlist.</source>
        <translation>הקובץ גדול מדי עבור רשימת השמעה.</translation>
    </message>
</context>
<context>
    <name>PlaylistsView</name>
    <message>
        <source>Playlists</source>
        <translation>רשימות השמעה</translation>
    </message>
    <message numerus="yes">
        <source>%Ln playlists</source>
        <translation>
            <numerusform>רשימת השמעה אחת</numerusform>
            <numerusform>%Ln רשימות השמעה</numerusform>
        </translation>
    </message>
    <message>
        <source>No Playlists</source>
        <translation>אין רשימות השמעה</translation>
    </message>
    <message>
        <source>Create playlists to organize your media.
Folders added as audiobooks will appear here too.</source>
        <translation>אפשר ליצור רשימות השמעה כדי לארגן את המדיה שלך.
תיקיות שנוספו כספרי שמע יופיעו כאן גם הן.</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>רשימת השמעה חדשה</translation>
    </message>
    <message>
        <source>Create Playlist</source>
        <translation>יצירת רשימת השמעה</translation>
    </message>
    <message>
        <source>Back to Playlists</source>
        <translation>חזרה לרשימות ההשמעה</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>פריט אחד</numerusform>
            <numerusform>%Ln פריטים</numerusform>
        </translation>
    </message>
    <message>
        <source>Play All</source>
        <translation>ניגון הכול</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>ניגון</translation>
    </message>
    <message>
        <source>Export Playlist...</source>
        <translation>ייצוא רשימת השמעה...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Lyrabox: cannot save the settings to %1; changes last until Lyrabox quits.</source>
        <translation>Lyrabox: לא ניתן לשמור את ההגדרות בקובץ %1; השינויים יחולו רק עד לסגירת Lyrabox.</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a video</source>
        <translation>ניגון סרטון</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>מיון</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>ניגון</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>יוטיוב</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>מראה</translation>
    </message>
    <message>
        <source>Lyrabox follows your system appearance settings.</source>
        <translation>המראה של Lyrabox נקבע לפי הגדרות המראה של המערכת.</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>ספרייה</translation>
    </message>
    <message>
        <source>Auto-play next track</source>
        <translation>ניגון אוטומטי של הרצועה הבאה</translation>
    </message>
    <message>
        <source>Default Sort Order</source>
        <translation>סדר מיון ברירת מחדל</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>מיון לפי</translation>
    </message>
    <message>
        <source>Natural Order (recommended for audiobooks)</source>
        <translation>סדר טבעי (מומלץ לספרי שמע)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>כותרת</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>אמן</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>אלבום</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>משך</translation>
    </message>
    <message>
        <source>Arabic / RTL Support</source>
        <translation>תמיכה בערבית ובכתיבה מימין לשמאל</translation>
    </message>
    <message>
        <source>Group RTL titles first when sorting</source>
        <translation>הצבת כותרות מימין לשמאל ראשונות במיון</translation>
    </message>
    <message>
        <source>Natural sorting handles Arabic numerals (١٢٣) and Western numerals (123) correctly. Audiobook chapters like &apos;الفصل ١&apos; through &apos;الفصل ١٠&apos; will be sorted in the correct order.</source>
        <translation>מיון בסדר טבעי מטפל כראוי בספרות ערביות (١٢٣) ובספרות מערביות (123). פרקי ספר שמע כמו &apos;الفصل ١&apos; עד &apos;الفصل ١٠&apos; ימוינו בסדר הנכון.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>מהירות</translation>
    </message>
    <message>
        <source>Default playback speed</source>
        <translation>מהירות ניגון ברירת מחדל</translation>
    </message>
    <message>
        <source>0.5x</source>
        <translation>0.5x</translation>
    </message>
    <message>
        <source>0.75x</source>
        <translation>0.75x</translation>
    </message>
    <message>
        <source>1.0x (Normal)</source>
        <translation>1.0x (רגילה)</translation>
    </message>
    <message>
        <source>1.25x</source>
        <translation>1.25x</translation>
    </message>
    <message>
        <source>1.5x</source>
        <translation>1.5x</translation>
    </message>
    <message>
        <source>1.75x</source>
        <translation>1.75x</translation>
    </message>
    <message>
        <source>2.0x</source>
        <translation>2.0x</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>אודיו</translation>
    </message>
    <message>
        <source>Skip silence in audiobooks</source>
        <translation>דילוג על שקט בספרי שמע</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>מצב:</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>מותקן</translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation>לא נמצא</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>רענון</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>נתיב:</translation>
    </message>
    <message>
        <source>Download Formats</source>
        <translation>פורמטים להורדה</translation>
    </message>
    <message>
        <source>Audio format</source>
        <translation>פורמט אודיו</translation>
    </message>
    <message>
        <source>M4A (recommended)</source>
        <translation>M4A (מומלץ)</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>OPUS</source>
        <translation>OPUS</translation>
    </message>
    <message>
        <source>Video format</source>
        <translation>פורמט וידאו</translation>
    </message>
    <message>
        <source>MP4 (recommended)</source>
        <translation>MP4 (מומלץ)</translation>
    </message>
    <message>
        <source>MKV</source>
        <translation>MKV</translation>
    </message>
    <message>
        <source>WebM</source>
        <translation>WebM</translation>
    </message>
</context>
<context>
    <name>SidebarTab</name>
    <message>
        <source>Library</source>
        <translation>ספרייה</translation>
    </message>
    <message>
        <source>Audiobooks</source>
        <translation>ספרי שמע</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>סרטונים</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>רשימות השמעה</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>יוטיוב</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>הורדות</translation>
    </message>
    <message>
        <source>Now Playing</source>
        <translation>מתנגן כעת</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>מקוון</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>עיון</translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Browse</source>
        <translation>עיון</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>רשימות השמעה</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>מקוון</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>הוספת קבצים</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>הוספת תיקייה</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Shuffle</source>
        <translation>ערבוב</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>הקודם</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>השהיה</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>ניגון</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>הבא</translation>
    </message>
    <message>
        <source>Skip back %1s</source>
        <translation>דילוג %1 שניות אחורה</translation>
    </message>
    <message>
        <source>Skip forward %1s</source>
        <translation>דילוג %1 שניות קדימה</translation>
    </message>
</context>
<context>
    <name>VideoFrameImageProvider</name>
    <message>
        <source>No picture could be taken from this video.</source>
        <translation>לא ניתן להפיק תמונה מהסרטון הזה.</translation>
    </message>
</context>
<context>
    <name>VideoInfoCard</name>
    <message>
        <source>Stream Video</source>
        <translation>הזרמת וידאו</translation>
    </message>
    <message>
        <source>Stream Audio</source>
        <translation>הזרמת אודיו</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>הורדת וידאו</translation>
    </message>
    <message>
        <source>Download Audio Only</source>
        <translation>הורדת אודיו בלבד</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
</context>
<context>
    <name>VideoLibraryView</name>
    <message>
        <source>Videos</source>
        <translation>סרטונים</translation>
    </message>
    <message numerus="yes">
        <source>%Ln videos</source>
        <translation>
            <numerusform>סרטון אחד</numerusform>
            <numerusform>%Ln סרטונים</numerusform>
        </translation>
    </message>
    <message>
        <source>No Videos</source>
        <translation>אין סרטונים</translation>
    </message>
    <message>
        <source>Add video files to your library or
stream from YouTube.</source>
        <translation>אפשר להוסיף קובצי וידאו לספרייה או
להזרים מיוטיוב.</translation>
    </message>
    <message>
        <source>Add Videos</source>
        <translation>הוספת סרטונים</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1x</source>
        <extracomment>A playback speed, such as &quot;1.5x&quot;.</extracomment>
        <translation>%1x</translation>
    </message>
</context>
<context>
    <name>YouTubeError</name>
    <message>
        <source>Download failed: %1</source>
        <translation>ההורדה נכשלה: %1</translation>
    </message>
    <message>
        <source>Command failed: %1</source>
        <translation>הפקודה נכשלה: %1</translation>
    </message>
    <message>
        <source>yt-dlp is not installed. Install with: sudo apt install yt-dlp</source>
        <translation>הכלי yt-dlp אינו מותקן. להתקנה: sudo apt install yt-dlp</translation>
    </message>
    <message>
        <source>Failed to parse video information</source>
        <translation>ניתוח פרטי הסרטון נכשל</translation>
    </message>
    <message>
        <source>Could not get a valid streaming URL</source>
        <translation>לא ניתן לקבל כתובת הזרמה תקינה</translation>
    </message>
    <message>
        <source>Downloaded file not found</source>
        <translation>הקובץ שהורד לא נמצא</translation>
    </message>
</context>
<context>
    <name>YouTubeService</name>
    <message>
        <source>yt-dlp is not installed. Install it with: sudo apt install yt-dlp</source>
        <translation>הכלי yt-dlp אינו מותקן. אפשר להתקין אותו בעזרת: sudo apt install yt-dlp</translation>
    </message>
    <message>
        <source>Failed to fetch video info: </source>
        <translation>קבלת פרטי הסרטון נכשלה: </translation>
    </message>
    <message>
        <source>Preparing audio...</source>
        <translation>הכנת אודיו...</translation>
    </message>
    <message>
        <source>Preparing video...</source>
        <translation>הכנת וידאו...</translation>
    </message>
    <message>
        <source>Downloading audio...</source>
        <translation>הורדת אודיו...</translation>
    </message>
    <message>
        <source>Downloading video...</source>
        <translation>הורדת וידאו...</translation>
    </message>
    <message>
        <source>The folder %1 could not be read</source>
        <translation>לא ניתן לקרוא את התיקייה %1</translation>
    </message>
</context>
<context>
    <name>YouTubeVideoInfo</name>
    <message>
        <source>Unknown</source>
        <extracomment>The title of an online video whose page gives none.</extracomment>
        <translation>ללא כותרת</translation>
    </message>
</context>
<context>
    <name>YouTubeView</name>
    <message>
        <source>YouTube</source>
        <translation>יוטיוב</translation>
    </message>
    <message>
        <source>Stream or download from YouTube</source>
        <translation>הזרמה או הורדה מיוטיוב</translation>
    </message>
    <message>
        <source>yt-dlp not found</source>
        <translation>הכלי yt-dlp לא נמצא</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>יש להדביק כאן כתובת יוטיוב...</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>הדבקה מהלוח</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>אחזור</translation>
    </message>
    <message>
        <source>yt-dlp is required for YouTube features</source>
        <translation>תכונות יוטיוב דורשות את yt-dlp</translation>
    </message>
    <message>
        <source>Install with APT:</source>
        <translation>התקנה באמצעות APT:</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>העתקת הפקודה</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>בדיקה חוזרת</translation>
    </message>
    <message>
        <source>Fetching video info...</source>
        <translation>אחזור פרטי הסרטון...</translation>
    </message>
    <message>
        <source>Paste a YouTube URL to get started</source>
        <translation>כדי להתחיל, יש להדביק כתובת יוטיוב</translation>
    </message>
    <message>
        <source>You can stream videos, listen to audio only,
or download content for offline use.</source>
        <translation>אפשר להזרים סרטונים, להאזין לאודיו בלבד,
או להוריד תוכן לשימוש לא מקוון.</translation>
    </message>
</context>
<context>
    <name>YtDlpProcess</name>
    <message>
        <source>Failed to launch: </source>
        <translation>ההפעלה נכשלה: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
    </message>
</context>
</TS>
