<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AudiobookCard</name>
    <message numerus="yes">
        <source>%Ln chapters</source>
        <translation>
            <numerusform>%Ln فصل</numerusform>
            <numerusform>فصل واحد</numerusform>
            <numerusform>فصلان</numerusform>
            <numerusform>%Ln فصول</numerusform>
            <numerusform>%Ln فصلًا</numerusform>
            <numerusform>%Ln فصل</numerusform>
        </translation>
    </message>
    <message>
        <source>Play from the first chapter</source>
        <translation>شغّل من الفصل الأول</translation>
    </message>
    <message>
        <source>Hide Chapters</source>
        <translation>أخفِ الفصول</translation>
    </message>
    <message>
        <source>Show Chapters</source>
        <translation>اعرض الفصول</translation>
    </message>
</context>
<context>
    <name>AudiobookView</name>
    <message>
        <source>Audiobooks</source>
        <translation>الكتب الصوتية</translation>
    </message>
    <message numerus="yes">
        <source>%Ln audiobooks</source>
        <translation>
            <numerusform>%Ln كتاب صوتي</numerusform>
            <numerusform>كتاب صوتي واحد</numerusform>
            <numerusform>كتابان صوتيان</numerusform>
            <numerusform>%Ln كتب صوتية</numerusform>
            <numerusform>%Ln كتابًا صوتيًا</numerusform>
            <numerusform>%Ln كتاب صوتي</numerusform>
        </translation>
    </message>
    <message>
        <source>No Audiobooks</source>
        <translation>لا توجد كتب صوتية</translation>
    </message>
    <message>
        <source>Add a folder containing audiobook chapters.
Chapters will be sorted correctly, even with Arabic titles.</source>
        <translation>أضف مجلدًا يحتوي على فصول كتاب صوتي.
ستُرتَّب الفصول ترتيبًا صحيحًا حتى لو كانت عناوينها عربية.</translation>
    </message>
    <message>
        <source>Add Audiobook Folder</source>
        <translation>أضف مجلد كتاب صوتي</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>Starting download...</source>
        <translation>جارٍ بدء التنزيل...</translation>
    </message>
    <message>
        <source>Download failed: the folder %1 cannot be written to. Choose another folder.</source>
        <translation>فشل التنزيل: تتعذّر الكتابة في المجلد %1. اختر مجلدًا آخر.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>Retrying...</source>
        <translation>جارٍ إعادة المحاولة...</translation>
    </message>
</context>
<context>
    <name>DownloadProgressParser</name>
    <message>
        <source>Converting audio...</source>
        <translation>جارٍ تحويل الصوت...</translation>
    </message>
</context>
<context>
    <name>DownloadQueueView</name>
    <message>
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln عنصر</numerusform>
            <numerusform>عنصر واحد</numerusform>
            <numerusform>عنصران</numerusform>
            <numerusform>%Ln عناصر</numerusform>
            <numerusform>%Ln عنصرًا</numerusform>
            <numerusform>%Ln عنصر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln active</source>
        <translation>
            <numerusform>%Ln قيد التنفيذ</numerusform>
            <numerusform>%Ln قيد التنفيذ</numerusform>
            <numerusform>%Ln قيد التنفيذ</numerusform>
            <numerusform>%Ln قيد التنفيذ</numerusform>
            <numerusform>%Ln قيد التنفيذ</numerusform>
            <numerusform>%Ln قيد التنفيذ</numerusform>
        </translation>
    </message>
    <message>
        <source>No Downloads</source>
        <translation>لا توجد تنزيلات</translation>
    </message>
    <message>
        <source>Download videos or audio from YouTube.
Go to the YouTube tab to get started.</source>
        <translation>نزّل مقاطع فيديو أو صوتًا من يوتيوب.
انتقل إلى قسم يوتيوب للبدء.</translation>
    </message>
    <message>
        <source>Clear Completed</source>
        <translation>امسح المكتملة</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>غيّر المجلد</translation>
    </message>
    <message>
        <source>Download directory: %1</source>
        <translation>مجلد التنزيلات: %1</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>افتح في مدير الملفات</translation>
    </message>
    <message>
        <source>Add to Library</source>
        <translation>أضف إلى المكتبة</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>اعرض في مدير الملفات</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>أعد المحاولة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>أزل</translation>
    </message>
</context>
<context>
    <name>DownloadRowView</name>
    <message>
        <source>Audio</source>
        <translation>صوت</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>فيديو</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>أضف إلى المكتبة</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>أعد المحاولة</translation>
    </message>
</context>
<context>
    <name>DownloadTask</name>
    <message>
        <source>Waiting...</source>
        <translation>في الانتظار...</translation>
    </message>
</context>
<context>
    <name>FileManagerReveal</name>
    <message>
        <source>“%1” is no longer on disk.</source>
        <translation>لم يعد «%1» موجودًا على القرص.</translation>
    </message>
    <message>
        <source>“%1” could not be shown in a file manager.</source>
        <translation>تعذّر عرض «%1» في مدير الملفات.</translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Media files and playlists (%1)</source>
        <translation>ملفات الوسائط وقوائم التشغيل (%1)</translation>
    </message>
    <message>
        <source>Playlists (%1)</source>
        <translation>قوائم التشغيل (%1)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>قائمة تشغيل</translation>
    </message>
</context>
<context>
    <name>ImportChoosers</name>
    <message>
        <source>Select media files to add to your library</source>
        <translation>اختر ملفات وسائط لإضافتها إلى مكتبتك</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>أضف ملفات</translation>
    </message>
    <message>
        <source>Select a folder containing media files</source>
        <translation>اختر مجلدًا يحتوي على ملفات وسائط</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>أضف مجلدًا</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>صدّر قائمة التشغيل</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>صدّر</translation>
    </message>
    <message>
        <source>Playlists (*.m3u8)</source>
        <translation>قوائم التشغيل (*.m3u8)</translation>
    </message>
    <message>
        <source>Choose the folder for downloads</source>
        <translation>اختر مجلد التنزيلات</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختر</translation>
    </message>
</context>
<context>
    <name>ItemContextMenu</name>
    <message>
        <source>Play</source>
        <translation>شغّل</translation>
    </message>
    <message>
        <source>Play Next</source>
        <translation>شغّل تاليًا</translation>
    </message>
    <message>
        <source>Add to New Playlist...</source>
        <translation>أضف إلى قائمة تشغيل جديدة...</translation>
    </message>
    <message>
        <source>Add to Playlist</source>
        <translation>أضف إلى قائمة تشغيل</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>اعرض في مدير الملفات</translation>
    </message>
    <message>
        <source>Remove from Library</source>
        <translation>أزل من المكتبة</translation>
    </message>
</context>
<context>
    <name>LibraryManager</name>
    <message>
        <source>Natural Order</source>
        <translation>الترتيب الطبيعي</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>الفنان</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>الألبوم</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>تاريخ الإضافة</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>تعذّرت قراءة «%1»: %2</translation>
    </message>
    <message>
        <source>“%1”: one entry could not be found and was skipped.</source>
        <translation>«%1»: لم يُعثر على مُدخلة واحدة فتُخطّيت.</translation>
    </message>
    <message numerus="yes">
        <source>“%1”: %n entries could not be found and were skipped.</source>
        <translation>
            <numerusform>«%1»: لم يُعثر على %n مُدخلة فتُخطّيت.</numerusform>
            <numerusform>«%1»: لم يُعثر على مُدخلة واحدة فتُخطّيت.</numerusform>
            <numerusform>«%1»: لم يُعثر على مُدخلتين فتُخطّيتا.</numerusform>
            <numerusform>«%1»: لم يُعثر على %n مُدخلات فتُخطّيت.</numerusform>
            <numerusform>«%1»: لم يُعثر على %n مُدخلةً فتُخطّيت.</numerusform>
            <numerusform>«%1»: لم يُعثر على %n مُدخلة فتُخطّيت.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: one entry was skipped: a missing file, an online address or a file that is not media.</source>
        <translation>«%1»: تُخطّيت مُدخلة واحدة: ملف غير موجود أو عنوان على الإنترنت أو ملف ليس من الوسائط.</translation>
    </message>
    <message numerus="yes">
        <source>“%1”: %n entries were skipped: missing files, online addresses or files that are not media.</source>
        <translation>
            <numerusform>«%1»: تُخطّيت %n مُدخلة: ملفات غير موجودة أو عناوين على الإنترنت أو ملفات ليست من الوسائط.</numerusform>
            <numerusform>«%1»: تُخطّيت مُدخلة واحدة: ملف غير موجود أو عنوان على الإنترنت أو ملف ليس من الوسائط.</numerusform>
            <numerusform>«%1»: تُخطّيت مُدخلتان: ملفات غير موجودة أو عناوين على الإنترنت أو ملفات ليست من الوسائط.</numerusform>
            <numerusform>«%1»: تُخطّيت %n مُدخلات: ملفات غير موجودة أو عناوين على الإنترنت أو ملفات ليست من الوسائط.</numerusform>
            <numerusform>«%1»: تُخطّيت %n مُدخلةً: ملفات غير موجودة أو عناوين على الإنترنت أو ملفات ليست من الوسائط.</numerusform>
            <numerusform>«%1»: تُخطّيت %n مُدخلة: ملفات غير موجودة أو عناوين على الإنترنت أو ملفات ليست من الوسائط.</numerusform>
        </translation>
    </message>
    <message>
        <source>The playlist could not be saved: it no longer exists.</source>
        <translation>تعذّر حفظ قائمة التشغيل: لم تعد موجودة.</translation>
    </message>
    <message>
        <source>“%1” could not be saved: only files on this computer can be written.</source>
        <translation>تعذّر حفظ «%1»: لا يمكن الكتابة إلا في الملفات الموجودة على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>تعذّر حفظ «%1»: %2</translation>
    </message>
</context>
<context>
    <name>LibraryView</name>
    <message>
        <source>Library</source>
        <translation>المكتبة</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln عنصر</numerusform>
            <numerusform>عنصر واحد</numerusform>
            <numerusform>عنصران</numerusform>
            <numerusform>%Ln عناصر</numerusform>
            <numerusform>%Ln عنصرًا</numerusform>
            <numerusform>%Ln عنصر</numerusform>
        </translation>
    </message>
    <message>
        <source>Search library...</source>
        <translation>ابحث في المكتبة...</translation>
    </message>
    <message>
        <source>Your Library is Empty</source>
        <translation>مكتبتك فارغة</translation>
    </message>
    <message>
        <source>Add files or folders to get started.
Drag and drop media files here, or use the buttons below.</source>
        <translation>أضف ملفات أو مجلدات للبدء.
اسحب ملفات الوسائط وأفلتها هنا، أو استخدم الأزرار أدناه.</translation>
    </message>
    <message>
        <source>Loading media files...</source>
        <translation>جارٍ تحميل ملفات الوسائط...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>رتّب</translation>
    </message>
    <message>
        <source>Play All</source>
        <translation>شغّل الكل</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>أضف</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>أضف ملفات...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>أضف مجلدًا...</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>أضف ملفات</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>أضف مجلدًا</translation>
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
        <translation>افتح ملفات...</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>افتح مجلدًا...</translation>
    </message>
    <message>
        <source>Paste YouTube URL</source>
        <translation>الصق رابط يوتيوب</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>الإعدادات...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>شغّل / أوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>ارفع الصوت</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>اخفض الصوت</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
</context>
<context>
    <name>MediaPlayerManager</name>
    <message>
        <source>Off</source>
        <translation>بلا تكرار</translation>
    </message>
    <message>
        <source>Repeat All</source>
        <translation>تكرار الكل</translation>
    </message>
    <message>
        <source>Repeat One</source>
        <translation>تكرار المقطع</translation>
    </message>
</context>
<context>
    <name>MiniPlayerView</name>
    <message>
        <source>Unknown Artist</source>
        <translation>فنان غير معروف</translation>
    </message>
    <message>
        <source>Sleep Timer</source>
        <translation>مؤقت النوم</translation>
    </message>
    <message>
        <source>Sleep timer: %1 left</source>
        <translation>مؤقت النوم: يتبقى %1</translation>
    </message>
    <message>
        <source>Sleep timer: end of chapter</source>
        <translation>مؤقت النوم: نهاية الفصل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>End of Chapter</source>
        <translation>نهاية الفصل</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Minutes</source>
        <translation>
            <numerusform>%Ln دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%Ln دقائق</numerusform>
            <numerusform>%Ln دقيقة</numerusform>
            <numerusform>%Ln دقيقة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewPlaylistSheet</name>
    <message>
        <source>New Playlist</source>
        <translation>قائمة تشغيل جديدة</translation>
    </message>
    <message>
        <source>Playlist Name</source>
        <translation>اسم قائمة التشغيل</translation>
    </message>
    <message>
        <source>This is an audiobook</source>
        <translation>هذا كتاب صوتي</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>أنشئ</translation>
    </message>
</context>
<context>
    <name>NowPlayingView</name>
    <message>
        <source>Now Playing</source>
        <translation>قيد التشغيل</translation>
    </message>
    <message>
        <source>Hide chapters</source>
        <translation>أخفِ الفصول</translation>
    </message>
    <message>
        <source>Show chapters</source>
        <translation>اعرض الفصول</translation>
    </message>
    <message>
        <source>Nothing Playing</source>
        <translation>لا شيء قيد التشغيل</translation>
    </message>
    <message>
        <source>Select a track from your library to start playing.</source>
        <translation>اختر مقطعًا من مكتبتك لبدء التشغيل.</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>الفصول</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>قائمة الانتظار</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln عنصر</numerusform>
            <numerusform>عنصر واحد</numerusform>
            <numerusform>عنصران</numerusform>
            <numerusform>%Ln عناصر</numerusform>
            <numerusform>%Ln عنصرًا</numerusform>
            <numerusform>%Ln عنصر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlaylistCard</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln عنصر</numerusform>
            <numerusform>عنصر واحد</numerusform>
            <numerusform>عنصران</numerusform>
            <numerusform>%Ln عناصر</numerusform>
            <numerusform>%Ln عنصرًا</numerusform>
            <numerusform>%Ln عنصر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>ليس ملفًا.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>The file is too large for a playlist.</source>
        <translation>الملف أكبر من أن يكون قائمة تشغيل.</translation>
    </message>
</context>
<context>
    <name>PlaylistsView</name>
    <message>
        <source>Playlists</source>
        <translation>قوائم التشغيل</translation>
    </message>
    <message numerus="yes">
        <source>%Ln playlists</source>
        <translation>
            <numerusform>%Ln قائمة تشغيل</numerusform>
            <numerusform>قائمة تشغيل واحدة</numerusform>
            <numerusform>قائمتا تشغيل</numerusform>
            <numerusform>%Ln قوائم تشغيل</numerusform>
            <numerusform>%Ln قائمة تشغيل</numerusform>
            <numerusform>%Ln قائمة تشغيل</numerusform>
        </translation>
    </message>
    <message>
        <source>No Playlists</source>
        <translation>لا توجد قوائم تشغيل</translation>
    </message>
    <message>
        <source>Create playlists to organize your media.
Folders added as audiobooks will appear here too.</source>
        <translation>أنشئ قوائم تشغيل لتنظيم وسائطك.
ستظهر هنا أيضًا المجلدات المضافة ككتب صوتية.</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>قائمة تشغيل جديدة</translation>
    </message>
    <message>
        <source>Create Playlist</source>
        <translation>أنشئ قائمة تشغيل</translation>
    </message>
    <message>
        <source>Back to Playlists</source>
        <translation>عُد إلى قوائم التشغيل</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln عنصر</numerusform>
            <numerusform>عنصر واحد</numerusform>
            <numerusform>عنصران</numerusform>
            <numerusform>%Ln عناصر</numerusform>
            <numerusform>%Ln عنصرًا</numerusform>
            <numerusform>%Ln عنصر</numerusform>
        </translation>
    </message>
    <message>
        <source>Play All</source>
        <translation>شغّل الكل</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>شغّل</translation>
    </message>
    <message>
        <source>Export Playlist...</source>
        <translation>صدّر قائمة التشغيل...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Lyrabox: cannot save the settings to %1; changes last until Lyrabox quits.</source>
        <translation>Lyrabox: تعذّر حفظ الإعدادات في %1؛ ستبقى التغييرات سارية حتى إنهاء Lyrabox.</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a video</source>
        <translation>جارٍ تشغيل فيديو</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>الترتيب</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>التشغيل</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>يوتيوب</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Lyrabox follows your system appearance settings.</source>
        <translation>يتبع Lyrabox إعدادات المظهر في نظامك.</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>المكتبة</translation>
    </message>
    <message>
        <source>Auto-play next track</source>
        <translation>تشغيل المقطع التالي تلقائيًا</translation>
    </message>
    <message>
        <source>Default Sort Order</source>
        <translation>الترتيب الافتراضي</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>الترتيب حسب</translation>
    </message>
    <message>
        <source>Natural Order (recommended for audiobooks)</source>
        <translation>الترتيب الطبيعي (موصى به للكتب الصوتية)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>الفنان</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>الألبوم</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Arabic / RTL Support</source>
        <translation>دعم العربية والكتابة من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>Group RTL titles first when sorting</source>
        <translation>تقديم العناوين المكتوبة من اليمين إلى اليسار عند الترتيب</translation>
    </message>
    <message>
        <source>Natural sorting handles Arabic numerals (١٢٣) and Western numerals (123) correctly. Audiobook chapters like &apos;الفصل ١&apos; through &apos;الفصل ١٠&apos; will be sorted in the correct order.</source>
        <translation>يتعامل الترتيب الطبيعي تعاملًا صحيحًا مع الأرقام العربية المشرقية (١٢٣) والأرقام الغربية (123)، فتُرتَّب فصول الكتب الصوتية من «الفصل ١» إلى «الفصل ١٠» بالترتيب الصحيح.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Default playback speed</source>
        <translation>سرعة التشغيل الافتراضية</translation>
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
        <translation>1.0x (عادية)</translation>
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
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Skip silence in audiobooks</source>
        <translation>تخطي الصمت في الكتب الصوتية</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>الحالة:</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>مثبّت</translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>حدّث</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>المسار:</translation>
    </message>
    <message>
        <source>Download Formats</source>
        <translation>صيغ التنزيل</translation>
    </message>
    <message>
        <source>Audio format</source>
        <translation>صيغة الصوت</translation>
    </message>
    <message>
        <source>M4A (recommended)</source>
        <translation>M4A (موصى بها)</translation>
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
        <translation>صيغة الفيديو</translation>
    </message>
    <message>
        <source>MP4 (recommended)</source>
        <translation>MP4 (موصى بها)</translation>
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
        <translation>المكتبة</translation>
    </message>
    <message>
        <source>Audiobooks</source>
        <translation>الكتب الصوتية</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>مقاطع الفيديو</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>قوائم التشغيل</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>يوتيوب</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
    <message>
        <source>Now Playing</source>
        <translation>قيد التشغيل</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>عبر الإنترنت</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>تصفّح</translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Browse</source>
        <translation>تصفّح</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>قوائم التشغيل</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>عبر الإنترنت</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>أضف ملفات</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>أضف مجلدًا</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Shuffle</source>
        <translation>تشغيل عشوائي</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>أوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>شغّل</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Skip back %1s</source>
        <translation>ارجع %1 ثانية</translation>
    </message>
    <message>
        <source>Skip forward %1s</source>
        <translation>تقدّم %1 ثانية</translation>
    </message>
</context>
<context>
    <name>VideoFrameImageProvider</name>
    <message>
        <source>No picture could be taken from this video.</source>
        <translation>تعذّر التقاط صورة من هذا الفيديو.</translation>
    </message>
</context>
<context>
    <name>VideoInfoCard</name>
    <message>
        <source>Stream Video</source>
        <translation>بُثّ الفيديو</translation>
    </message>
    <message>
        <source>Stream Audio</source>
        <translation>بُثّ الصوت</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>نزّل</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>نزّل الفيديو</translation>
    </message>
    <message>
        <source>Download Audio Only</source>
        <translation>نزّل الصوت فقط</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
</context>
<context>
    <name>VideoLibraryView</name>
    <message>
        <source>Videos</source>
        <translation>مقاطع الفيديو</translation>
    </message>
    <message numerus="yes">
        <source>%Ln videos</source>
        <translation>
            <numerusform>%Ln مقطع فيديو</numerusform>
            <numerusform>مقطع فيديو واحد</numerusform>
            <numerusform>مقطعا فيديو</numerusform>
            <numerusform>%Ln مقاطع فيديو</numerusform>
            <numerusform>%Ln مقطع فيديو</numerusform>
            <numerusform>%Ln مقطع فيديو</numerusform>
        </translation>
    </message>
    <message>
        <source>No Videos</source>
        <translation>لا توجد مقاطع فيديو</translation>
    </message>
    <message>
        <source>Add video files to your library or
stream from YouTube.</source>
        <translation>أضف ملفات فيديو إلى مكتبتك أو
شاهدها بثًّا من يوتيوب.</translation>
    </message>
    <message>
        <source>Add Videos</source>
        <translation>أضف مقاطع فيديو</translation>
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
        <translation>فشل التنزيل: %1</translation>
    </message>
    <message>
        <source>Command failed: %1</source>
        <translation>فشل الأمر: %1</translation>
    </message>
    <message>
        <source>yt-dlp is not installed. Install with: sudo apt install yt-dlp</source>
        <translation>لم يُثبَّت yt-dlp. ثبّته بالأمر: sudo apt install yt-dlp</translation>
    </message>
    <message>
        <source>Failed to parse video information</source>
        <translation>تعذّر تحليل معلومات الفيديو</translation>
    </message>
    <message>
        <source>Could not get a valid streaming URL</source>
        <translation>تعذّر الحصول على رابط بث صالح</translation>
    </message>
    <message>
        <source>Downloaded file not found</source>
        <translation>لم يُعثر على الملف المنزَّل</translation>
    </message>
</context>
<context>
    <name>YouTubeService</name>
    <message>
        <source>yt-dlp is not installed. Install it with: sudo apt install yt-dlp</source>
        <translation>لم يُثبَّت yt-dlp. ثبّته بالأمر: sudo apt install yt-dlp</translation>
    </message>
    <message>
        <source>Failed to fetch video info: </source>
        <translation>تعذّر جلب معلومات الفيديو: </translation>
    </message>
    <message>
        <source>Preparing audio...</source>
        <translation>جارٍ تحضير الصوت...</translation>
    </message>
    <message>
        <source>Preparing video...</source>
        <translation>جارٍ تحضير الفيديو...</translation>
    </message>
    <message>
        <source>Downloading audio...</source>
        <translation>جارٍ تنزيل الصوت...</translation>
    </message>
    <message>
        <source>Downloading video...</source>
        <translation>جارٍ تنزيل الفيديو...</translation>
    </message>
    <message>
        <source>The folder %1 could not be read</source>
        <translation>تعذّرت قراءة المجلد %1</translation>
    </message>
</context>
<context>
    <name>YouTubeVideoInfo</name>
    <message>
        <source>Unknown</source>
        <extracomment>The title of an online video whose page gives none.</extracomment>
        <translation>بلا عنوان</translation>
    </message>
</context>
<context>
    <name>YouTubeView</name>
    <message>
        <source>YouTube</source>
        <translation>يوتيوب</translation>
    </message>
    <message>
        <source>Stream or download from YouTube</source>
        <translation>البث أو التنزيل من يوتيوب</translation>
    </message>
    <message>
        <source>yt-dlp not found</source>
        <translation>لم يُعثر على yt-dlp</translation>
    </message>
    <message>
        <source>Paste YouTube URL here...</source>
        <translation>الصق رابط يوتيوب هنا...</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>الصق من الحافظة</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>اجلب</translation>
    </message>
    <message>
        <source>yt-dlp is required for YouTube features</source>
        <translation>تتطلب ميزات يوتيوب وجود yt-dlp</translation>
    </message>
    <message>
        <source>Install with APT:</source>
        <translation>ثبّته باستخدام APT:</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>انسخ الأمر</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>تحقّق مجددًا</translation>
    </message>
    <message>
        <source>Fetching video info...</source>
        <translation>جارٍ جلب معلومات الفيديو...</translation>
    </message>
    <message>
        <source>Paste a YouTube URL to get started</source>
        <translation>الصق رابط يوتيوب للبدء</translation>
    </message>
    <message>
        <source>You can stream videos, listen to audio only,
or download content for offline use.</source>
        <translation>يمكنك بث مقاطع الفيديو أو الاستماع إلى الصوت فقط،
أو تنزيل المحتوى لاستخدامه دون اتصال.</translation>
    </message>
</context>
<context>
    <name>YtDlpProcess</name>
    <message>
        <source>Failed to launch: </source>
        <translation>تعذّر بدء yt-dlp: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
</TS>
