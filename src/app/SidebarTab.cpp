#include "SidebarTab.h"

using namespace Qt::StringLiterals;

QList<SidebarTab::Tab> SidebarTab::allCases()
{
    return {Library, Audiobooks, Videos, Playlists, YouTube, Downloads, NowPlaying};
}

QString SidebarTab::rawValue(Tab tab)
{
    switch (tab) {
    case Library: return u"Library"_s;
    case Audiobooks: return u"Audiobooks"_s;
    case Videos: return u"Videos"_s;
    case Playlists: return u"Playlists"_s;
    case YouTube: return u"YouTube"_s;
    case Downloads: return u"Downloads"_s;
    case NowPlaying: return u"Now Playing"_s;
    }
    return {};
}

QString SidebarTab::title(Tab tab)
{
    switch (tab) {
    case Library: return tr("Library");
    case Audiobooks: return tr("Audiobooks");
    case Videos: return tr("Videos");
    case Playlists: return tr("Playlists");
    case YouTube: return tr("YouTube");
    case Downloads: return tr("Downloads");
    case NowPlaying: return tr("Now Playing");
    }
    return {};
}

QString SidebarTab::symbol(Tab tab)
{
    switch (tab) {
    case Library: return u"music.note.list"_s;
    case Audiobooks: return u"book.fill"_s;
    case Videos: return u"film"_s;
    case Playlists: return u"list.bullet.rectangle"_s;
    case YouTube: return u"play.rectangle.fill"_s;
    case Downloads: return u"arrow.down.circle.fill"_s;
    case NowPlaying: return u"waveform"_s;
    }
    return {};
}

QString SidebarTab::section(Tab tab)
{
    switch (tab) {
    case Playlists: return tr("Playlists");
    case YouTube:
    case Downloads: return tr("Online");
    default: return tr("Browse");
    }
}

std::optional<SidebarTab::Tab> SidebarTab::fromRawValue(const QString &rawValue)
{
    for (Tab tab : allCases()) {
        if (SidebarTab::rawValue(tab) == rawValue)
            return tab;
    }
    return std::nullopt;
}
