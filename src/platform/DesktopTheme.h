#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

// Which Qt platform theme to ask for before the application object is made, so that
// "Open Files...", "Open Folder..." and the other choosers are the desktop's own.
namespace DesktopTheme {

// In a desktop session (XDG_CURRENT_DESKTOP set) where the user chose no theme
// (QT_QPA_PLATFORMTHEME unset) and the XDG desktop portal theme is installed in
// `platformThemesDir`: "xdgdesktopportal". Its file choosers are the portal's
// FileChooser (GNOME's, KDE's, ... with the user's bookmarks); without a portal on the
// bus it hands them back to Qt's own. Anywhere else (no desktop, as under Xvfb, or a
// theme chosen by the user): empty, Qt decides.
QByteArray preferred(const QProcessEnvironment &environment, const QString &platformThemesDir);

// preferred() for this process, with Qt's plugin folder.
QByteArray preferredHere();

} // namespace DesktopTheme
