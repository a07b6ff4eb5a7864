// Revealing a file over a private session bus started by the test, answered by a
// file manager of the test's own; the platform theme asked for.
#include "platform/FileManagerReveal.h"

#include "PrivateBus.h"
#include "TestSupport.h"
#include "platform/DesktopTheme.h"

#include <QDBusContext>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;
using Outcome = FileManagerReveal::Outcome;

namespace {

// Notes the URIs it is asked to show; answers them unless told not to.
class FakeFileManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    bool replies = true;
    QList<QStringList> shown;

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString & /*startupId*/)
    {
        shown.append(uris);
        setDelayedReply(!replies); // a delayed reply that never comes
    }
};

class FileManagerRevealTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!privateBus.ok())
            GTEST_SKIP() << "no private session bus (dbus-daemon)";
        ASSERT_TRUE(TestSupport::writeFile(path));
    }
    void serve()
    {
        ASSERT_TRUE(privateBus.service().registerObject(
            u"/org/freedesktop/FileManager1"_s, &fileManager, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(privateBus.service().registerService(u"org.freedesktop.FileManager1"_s));
    }
    Outcome reveal(const QDBusConnection &bus)
    {
        FileManagerReveal revealer(bus, [this](const QUrl &opening) {
            opened.append(opening);
            return true;
        });
        revealer.setTimeout(std::chrono::milliseconds(300));
        std::optional<Outcome> outcome;
        QObject::connect(&revealer, &FileManagerReveal::finished,
                         [&](const QUrl &, Outcome o) { outcome = o; });
        revealer.reveal(url);
        EXPECT_FALSE(outcome) << "reported from within the call";
        EXPECT_TRUE(TestSupport::waitUntil([&] { return outcome.has_value(); }));
        return outcome.value_or(Outcome::Failed);
    }

    PrivateBus privateBus;
    FakeFileManager fileManager;
    QList<QUrl> opened;
    QTemporaryDir dir{TestSupport::scratchRoot() + u"/reveal-XXXXXX"_s};
    QString path = dir.filePath(u"Café Noir, ليل.mp3"_s);
    QUrl url = QUrl::fromLocalFile(path);
};

// The file manager is given the file's URI; a file no longer on disk calls nothing.
TEST_F(FileManagerRevealTest, ShowsTheFileOrSaysItIsGone)
{
    serve();
    EXPECT_EQ(reveal(privateBus.client()), Outcome::Shown);
    EXPECT_EQ(fileManager.shown, QList<QStringList>{{QString::fromUtf8(url.toEncoded())}});
    QFile::remove(path);
    EXPECT_EQ(reveal(privateBus.client()), Outcome::Missing);
    EXPECT_EQ(FileManagerReveal::message(Outcome::Missing, url),
              u"“Café Noir, ليل.mp3” is no longer on disk."_s);
    EXPECT_TRUE(fileManager.shown.size() == 1 && opened.isEmpty());
}

// Without an answer (no bus, no file manager, none in time) the folder is opened.
TEST_F(FileManagerRevealTest, WithoutAnAnswerTheFolderIsOpened)
{
    EXPECT_EQ(reveal(QDBusConnection(u"never-connected"_s)), Outcome::OpenedFolder);
    EXPECT_EQ(reveal(privateBus.client()), Outcome::OpenedFolder);
    fileManager.replies = false;
    serve();
    EXPECT_EQ(reveal(privateBus.client()), Outcome::OpenedFolder);
    EXPECT_EQ(opened, QList<QUrl>(3, QUrl::fromLocalFile(dir.path())));
    EXPECT_EQ(fileManager.shown.size(), 1);
}

// The portal's theme where a desktop session runs and the user chose none; Qt's own
// choice anywhere else.
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
    ASSERT_TRUE(TestSupport::writeFile(plugins.filePath(u"libqxdgdesktopportal.so"_s)));
    EXPECT_EQ(preferred({gnome}), QByteArray("xdgdesktopportal"));
    EXPECT_EQ(preferred({gnome, {u"QT_QPA_PLATFORMTHEME"_s, u"kde"_s}}), QByteArray());
    EXPECT_EQ(preferred({{u"DISPLAY"_s, u":99"_s}}), QByteArray());
}

} // namespace

#include "FileManagerRevealTest.moc"
