#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The light or dark look of the desktop and the colours the views draw with.
//
// Qt 6.4 has no colour-scheme query, so the desktop's choice is read from the
// lightness of its window colour. LYRABOX_APPEARANCE=dark or =light forces one (for
// screenshots and for desktops that report nothing useful).
namespace Appearance {

enum class Scheme { Light, Dark };

// The scheme forced by `override` ("dark" / "light", any case) or else the one the
// palette's window colour suggests.
Scheme detect(const QPalette &desktop, const QString &override);
// detect() with the running application's palette and LYRABOX_APPEARANCE.
Scheme current();

struct Colors
{
    QColor window;        // detail area
    QColor sidebar;       // sidebar column
    QColor bar;           // mini player and toolbars
    QColor primaryText;
    QColor secondaryText;
    QColor accent;
    QColor chapterMark;   // the current-chapter line
    QColor separator;
};

Colors colors(Scheme scheme);

// A complete palette for Qt Quick Controls in the scheme, so that menus, dialogs and
// sliders match the views.
QPalette palette(Scheme scheme);

} // namespace Appearance
