#include "DesktopTheme.h"

#include <QFileInfo>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace DesktopTheme {

QByteArray preferred(const QProcessEnvironment &environment, const QString &platformThemesDir)
{
    if (environment.value(u"XDG_CURRENT_DESKTOP"_s).isEmpty()
        || environment.contains(u"QT_QPA_PLATFORMTHEME"_s))
        return {};
    if (!QFileInfo::exists(platformThemesDir + u"/libqxdgdesktopportal.so"_s))
        return {};
    return "xdgdesktopportal";
}

QByteArray preferredHere()
{
    return preferred(QProcessEnvironment::systemEnvironment(),
                     QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platformthemes"_s);
}

} // namespace DesktopTheme
