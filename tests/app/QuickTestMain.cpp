// Qt Quick Test runner for the views, with real managers from UiFixture as "fixture".
#include "ImageProviders.h"
#include "TestSupport.h"
#include "Translations.h"
#include "UiFixture.h"
#include "VideoFrameCache.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>
#include <clocale>
#include <memory>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        std::setlocale(LC_NUMERIC, "C");
        // The run's locale picks the language, as in the app.
        Translations::install(*QCoreApplication::instance());
        // The views' preferences start from an empty store of their own.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        m_fixture = std::make_unique<UiFixture>();
    }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        // Pictures of the fixture videos stay in the scratch folder, out of the user's cache.
        static VideoFrameCache videoFrames(TestSupport::scratchRoot() + QStringLiteral("/thumbnails"));
        addImageProviders(*engine, videoFrames);
        engine->rootContext()->setContextProperty(QStringLiteral("fixture"), m_fixture.get());
    }

private:
    QTemporaryDir m_settings;
    std::unique_ptr<UiFixture> m_fixture;
};

QUICK_TEST_MAIN_WITH_SETUP(ui, Setup)

#include "QuickTestMain.moc"
