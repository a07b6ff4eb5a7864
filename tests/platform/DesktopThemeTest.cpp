// The platform theme asked for: the portal's where a desktop session runs and the user
// chose none; Qt's own choice anywhere else.
#include "TestSupport.h"
#include "platform/DesktopTheme.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DesktopThemeTest, PortalThemeOnlyInADesktopSessionWithoutTheUsersOwnChoice)
{
    QTemporaryDir plugins(TestSupport::scratchRoot() + u"/themes-XXXXXX"_s);
    const auto preferred = [&](std::initializer_list<std::pair<QString, QString>> values) {
        QProcessEnvironment e;
        for (const auto &[key, value] : values)
            e.insert(key, value);
        return DesktopTheme::preferred(e, plugins.path());
    };
    const std::pair<QString, QString> gnome{u"XDG_CURRENT_DESKTOP"_s, u"GNOME"_s};
    EXPECT_EQ(preferred({gnome}), QByteArray()) << "not installed";
    QFile plugin(plugins.filePath(u"libqxdgdesktopportal.so"_s));
    ASSERT_TRUE(plugin.open(QIODevice::WriteOnly));
    plugin.close();
    EXPECT_EQ(preferred({gnome}), QByteArray("xdgdesktopportal"));
    EXPECT_EQ(preferred({gnome, {u"QT_QPA_PLATFORMTHEME"_s, u"kde"_s}}), QByteArray());
    EXPECT_EQ(preferred({{u"DISPLAY"_s, u":99"_s}}), QByteArray());
}
