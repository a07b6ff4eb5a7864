#pragma once

#include "platform/Appearance.h"

#include <QColor>
#include <QGuiApplication>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The colours of the views, light or dark as the desktop is when the window's engine
// starts (see Appearance), and the type sizes and measures every view shares.
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isDark READ isDark CONSTANT)
    // The window reads right to left (the language chosen at start is Arabic or Hebrew).
    Q_PROPERTY(bool rightToLeft READ rightToLeft CONSTANT)
    Q_PROPERTY(QColor window READ window CONSTANT)
    Q_PROPERTY(QColor sidebar READ sidebar CONSTANT)
    Q_PROPERTY(QColor bar READ bar CONSTANT)
    Q_PROPERTY(QColor primary READ primary CONSTANT)
    Q_PROPERTY(QColor secondary READ secondary CONSTANT)
    Q_PROPERTY(QColor accent READ accent CONSTANT)
    Q_PROPERTY(QColor chapterMark READ chapterMark CONSTANT)
    Q_PROPERTY(QColor separator READ separator CONSTANT)
    Q_PROPERTY(QColor warning READ warning CONSTANT)
    Q_PROPERTY(QColor destructive READ destructive CONSTANT)
    // The ground of cards (audiobooks): a step off the window colour, so a card reads as
    // a surface in light and dark.
    Q_PROPERTY(QColor card READ card CONSTANT)
    Q_PROPERTY(int fontTiny READ fontTiny CONSTANT)
    Q_PROPERTY(int fontSmall READ fontSmall CONSTANT)
    Q_PROPERTY(int fontFootnote READ fontFootnote CONSTANT)
    Q_PROPERTY(int fontBody READ fontBody CONSTANT)
    Q_PROPERTY(int fontCallout READ fontCallout CONSTANT)
    Q_PROPERTY(int fontHeadline READ fontHeadline CONSTANT)
    Q_PROPERTY(int fontEmptyTitle READ fontEmptyTitle CONSTANT)
    Q_PROPERTY(int fontNowPlayingTitle READ fontNowPlayingTitle CONSTANT)
    Q_PROPERTY(int fontPageTitle READ fontPageTitle CONSTANT)
    Q_PROPERTY(int hairline READ hairline CONSTANT)
    Q_PROPERTY(int pageHeaderHPadding READ pageHeaderHPadding CONSTANT)
    Q_PROPERTY(int pageHeaderVPadding READ pageHeaderVPadding CONSTANT)
    Q_PROPERTY(int pageTitleSpacing READ pageTitleSpacing CONSTANT)
    Q_PROPERTY(int emptySymbolSize READ emptySymbolSize CONSTANT)
    Q_PROPERTY(int emptySpacing READ emptySpacing CONSTANT)
    Q_PROPERTY(int prominentHPadding READ prominentHPadding CONSTANT)
    Q_PROPERTY(int prominentVPadding READ prominentVPadding CONSTANT)
    Q_PROPERTY(int buttonHPadding READ buttonHPadding CONSTANT)
    Q_PROPERTY(int buttonVPadding READ buttonVPadding CONSTANT)
    Q_PROPERTY(int buttonIconSpacing READ buttonIconSpacing CONSTANT)
    Q_PROPERTY(int buttonRadius READ buttonRadius CONSTANT)
    Q_PROPERTY(int headerActionSpacing READ headerActionSpacing CONSTANT)
    Q_PROPERTY(int searchFieldWidth READ searchFieldWidth CONSTANT)
    Q_PROPERTY(int searchFieldMinWidth READ searchFieldMinWidth CONSTANT)
    Q_PROPERTY(int emptyButtonsTopMargin READ emptyButtonsTopMargin CONSTANT)
    Q_PROPERTY(int overlaySpacing READ overlaySpacing CONSTANT)
    Q_PROPERTY(int loadingBarWidth READ loadingBarWidth CONSTANT)
    Q_PROPERTY(int overlayPadding READ overlayPadding CONSTANT)
    Q_PROPERTY(int overlayRadius READ overlayRadius CONSTANT)
    Q_PROPERTY(int sidebarMinWidth READ sidebarMinWidth CONSTANT)
    Q_PROPERTY(int sidebarIdealWidth READ sidebarIdealWidth CONSTANT)
    Q_PROPERTY(int sidebarMaxWidth READ sidebarMaxWidth CONSTANT)
    Q_PROPERTY(int sidebarRowHeight READ sidebarRowHeight CONSTANT)
    Q_PROPERTY(int sidebarPlaylistRowHeight READ sidebarPlaylistRowHeight CONSTANT)
    Q_PROPERTY(int sidebarIconSize READ sidebarIconSize CONSTANT)
    Q_PROPERTY(int miniPlayerHeight READ miniPlayerHeight CONSTANT)
    Q_PROPERTY(int miniArtworkSize READ miniArtworkSize CONSTANT)
    Q_PROPERTY(int miniTextWidth READ miniTextWidth CONSTANT)
    Q_PROPERTY(int miniProgressHeight READ miniProgressHeight CONSTANT)
    Q_PROPERTY(int miniProgressTouchHeight READ miniProgressTouchHeight CONSTANT)
    Q_PROPERTY(int volumeSliderWidth READ volumeSliderWidth CONSTANT)
    Q_PROPERTY(int speedButtonWidth READ speedButtonWidth CONSTANT)
    Q_PROPERTY(int transportToggleSize READ transportToggleSize CONSTANT)
    Q_PROPERTY(int transportSkipSize READ transportSkipSize CONSTANT)
    Q_PROPERTY(int transportPlaySize READ transportPlaySize CONSTANT)
    Q_PROPERTY(int transportSpacing READ transportSpacing CONSTANT)
    Q_PROPERTY(int largeTransportToggleSize READ largeTransportToggleSize CONSTANT)
    Q_PROPERTY(int largeTransportStepSize READ largeTransportStepSize CONSTANT)
    Q_PROPERTY(int largeTransportSkipSize READ largeTransportSkipSize CONSTANT)
    Q_PROPERTY(int largeTransportPlaySize READ largeTransportPlaySize CONSTANT)
    Q_PROPERTY(int largeTransportSpacing READ largeTransportSpacing CONSTANT)
    Q_PROPERTY(int headerIconSize READ headerIconSize CONSTANT)
    Q_PROPERTY(int seekBarHeight READ seekBarHeight CONSTANT)
    Q_PROPERTY(int seekTrackHeight READ seekTrackHeight CONSTANT)
    Q_PROPERTY(int seekKnobSize READ seekKnobSize CONSTANT)
    Q_PROPERTY(int miniHPadding READ miniHPadding CONSTANT)
    Q_PROPERTY(int miniBlockSpacing READ miniBlockSpacing CONSTANT)
    Q_PROPERTY(int miniItemSpacing READ miniItemSpacing CONSTANT)
    Q_PROPERTY(int miniItemMinWidth READ miniItemMinWidth CONSTANT)
    Q_PROPERTY(int miniArtworkRadius READ miniArtworkRadius CONSTANT)
    Q_PROPERTY(int miniNoteSize READ miniNoteSize CONSTANT)
    Q_PROPERTY(int miniDividerHeight READ miniDividerHeight CONSTANT)
    Q_PROPERTY(int speedButtonHeight READ speedButtonHeight CONSTANT)
    Q_PROPERTY(int speedButtonRadius READ speedButtonRadius CONSTANT)
    Q_PROPERTY(int nowPlayingEmptySpacing READ nowPlayingEmptySpacing CONSTANT)
    Q_PROPERTY(int nowPlayingEmptySymbolSize READ nowPlayingEmptySymbolSize CONSTANT)
    Q_PROPERTY(int nowPlayingTextWidth READ nowPlayingTextWidth CONSTANT)
    Q_PROPERTY(int nowPlayingSpacing READ nowPlayingSpacing CONSTANT)
    Q_PROPERTY(int nowPlayingControlsTopMargin READ nowPlayingControlsTopMargin CONSTANT)
    Q_PROPERTY(int nowPlayingTransportTopMargin READ nowPlayingTransportTopMargin CONSTANT)
    Q_PROPERTY(int alertWidth READ alertWidth CONSTANT)
    Q_PROPERTY(int rowMarkHeight READ rowMarkHeight CONSTANT)
    Q_PROPERTY(int rowMarkSymbolSize READ rowMarkSymbolSize CONSTANT)
    Q_PROPERTY(int sidebarGroupPadding READ sidebarGroupPadding CONSTANT)
    Q_PROPERTY(int sidebarButtonSize READ sidebarButtonSize CONSTANT)
    Q_PROPERTY(int windowWidth READ windowWidth CONSTANT)
    Q_PROPERTY(int windowHeight READ windowHeight CONSTANT)
    Q_PROPERTY(int windowMinWidth READ windowMinWidth CONSTANT)
    Q_PROPERTY(int windowMinHeight READ windowMinHeight CONSTANT)
    Q_PROPERTY(int iconSize READ iconSize CONSTANT)
    Q_PROPERTY(int nowPlayingArtworkSize READ nowPlayingArtworkSize CONSTANT)
    Q_PROPERTY(int nowPlayingPlaceholderSize READ nowPlayingPlaceholderSize CONSTANT)
    Q_PROPERTY(int sideColumnMaxWidth READ sideColumnMaxWidth CONSTANT)
    Q_PROPERTY(int nowPlayingHeaderHeight READ nowPlayingHeaderHeight CONSTANT)
    Q_PROPERTY(int rowMarkWidth READ rowMarkWidth CONSTANT)

public:
    explicit Theme(QObject *parent = nullptr);

    bool isDark() const { return m_scheme == Appearance::Scheme::Dark; }
    bool rightToLeft() const { return QGuiApplication::layoutDirection() == Qt::RightToLeft; }
    QColor window() const { return m_colors.window; }
    QColor sidebar() const { return m_colors.sidebar; }
    QColor bar() const { return m_colors.bar; }
    QColor card() const { return isDark() ? QColor(0x2a, 0x2a, 0x2d) : QColor(0xf5, 0xf5, 0xf7); }
    QColor primary() const { return m_colors.primaryText; }
    QColor secondary() const { return m_colors.secondaryText; }
    QColor accent() const { return m_colors.accent; }
    QColor chapterMark() const { return m_colors.chapterMark; }
    QColor separator() const { return m_colors.separator; }
    // Warnings (a missing tool); the same orange as chapter marks.
    QColor warning() const { return m_colors.chapterMark; }
    // Menu entries that delete or remove.
    QColor destructive() const { return isDark() ? QColor(0xff, 0x69, 0x61) : QColor(0xd7, 0x00, 0x15); }

    // Type sizes, in points (pixel sizes at 1x).
    int fontTiny() const { return 10; } // chapter start times
    int fontSmall() const { return 11; } // badges, times, secondary lines, sidebar group headers
    int fontFootnote() const { return 12; } // column counts
    int fontBody() const { return 13; } // rows, subtitles, count lines
    int fontCallout() const { return 14; } // column headings, empty-state text
    int fontHeadline() const { return 15; } // the now-playing artist
    int fontEmptyTitle() const { return 20; } // empty-state headings
    int fontNowPlayingTitle() const { return 22; } // the now-playing title
    int fontPageTitle() const { return 24; } // section titles

    // Layout.
    int hairline() const { return 1; } // dividers
    int pageHeaderHPadding() const { return 20; }
    int pageHeaderVPadding() const { return 12; }
    int pageTitleSpacing() const { return 2; } // between a section title and its count line
    int emptySymbolSize() const { return 56; }
    int emptySpacing() const { return 16; }
    int prominentHPadding() const { return 16; } // label padding of a prominent button
    int prominentVPadding() const { return 8; }
    int buttonHPadding() const { return 10; } // label padding of a bordered button
    int buttonVPadding() const { return 8; }
    int buttonIconSpacing() const { return 6; }
    int buttonRadius() const { return 6; }
    int headerActionSpacing() const { return 8; } // between header actions
    int searchFieldWidth() const { return 220; }
    // Where the header is short of room, the search field gives way before the title.
    int searchFieldMinWidth() const { return 120; }
    int emptyButtonsTopMargin() const { return 8; } // extra space above the empty state's buttons
    int overlaySpacing() const { return 12; }
    int loadingBarWidth() const { return 200; }
    int overlayPadding() const { return 24; }
    int overlayRadius() const { return 12; }
    int sidebarMinWidth() const { return 180; }
    int sidebarIdealWidth() const { return 220; }
    int sidebarMaxWidth() const { return 300; }
    int sidebarRowHeight() const { return 28; }
    int sidebarPlaylistRowHeight() const { return 26; }
    int sidebarIconSize() const { return 15; }
    int miniPlayerHeight() const { return 76; } // the mini player without the divider above it
    int miniArtworkSize() const { return 44; }
    int miniTextWidth() const { return 200; } // the widest the title and artist of the mini player get
    int miniProgressHeight() const { return 3; }
    int miniProgressTouchHeight() const { return 12; }
    int volumeSliderWidth() const { return 80; }
    int speedButtonWidth() const { return 40; }
    int transportToggleSize() const { return 16; } // the mini player's transport buttons
    int transportSkipSize() const { return 18; }
    int transportPlaySize() const { return 32; }
    int transportSpacing() const { return 20; }
    int largeTransportToggleSize() const { return 18; } // the now playing view's transport buttons
    int largeTransportStepSize() const { return 22; }
    int largeTransportSkipSize() const { return 24; }
    int largeTransportPlaySize() const { return 52; }
    int largeTransportSpacing() const { return 26; }
    int headerIconSize() const { return 16; } // symbol-only header actions
    int seekBarHeight() const { return 20; } // the now playing seek bar, all of it taking the pointer
    int seekTrackHeight() const { return 4; }
    int seekKnobSize() const { return 14; }
    int miniHPadding() const { return 16; }
    int miniBlockSpacing() const { return 12; }
    int miniItemSpacing() const { return 10; }
    int miniItemMinWidth() const { return 120; }
    int miniArtworkRadius() const { return 6; }
    int miniNoteSize() const { return 18; }
    int miniDividerHeight() const { return 16; }
    int speedButtonHeight() const { return 20; }
    int speedButtonRadius() const { return 4; }
    int nowPlayingEmptySpacing() const { return 10; }
    int nowPlayingEmptySymbolSize() const { return 64; }
    int nowPlayingTextWidth() const { return 560; } // the widest the titles get
    int nowPlayingSpacing() const { return 14; }
    int nowPlayingControlsTopMargin() const { return 10; }
    int nowPlayingTransportTopMargin() const { return 6; }
    int alertWidth() const { return 420; }
    int rowMarkHeight() const { return 16; }
    int rowMarkSymbolSize() const { return 14; }
    int sidebarGroupPadding() const { return 12; }
    int sidebarButtonSize() const { return 14; }
    int windowWidth() const { return 1180; } // the main window's first size
    int windowHeight() const { return 760; }
    int windowMinWidth() const { return 900; }
    int windowMinHeight() const { return 600; }
    int iconSize() const { return 16; } // a symbol's size unless its place says otherwise
    int nowPlayingArtworkSize() const { return 300; }
    int nowPlayingPlaceholderSize() const { return 260; } // the artwork placeholder
    int sideColumnMaxWidth() const { return 300; } // the chapter or queue column
    int nowPlayingHeaderHeight() const { return 44; }
    int rowMarkWidth() const { return 20; } // the number or speaker mark of a chapter or queue row

    // `color` at `opacity` (0 to 1) of its own alpha.
    Q_INVOKABLE static QColor faded(const QColor &color, double opacity);

private:
    Appearance::Scheme m_scheme;
    Appearance::Colors m_colors;
};
