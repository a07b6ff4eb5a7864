#include "Translations.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Translations {

QLocale::Language install(QCoreApplication &application, const QLocale &locale)
{
    // Our catalogues are embedded under :/i18n as lyrabox_<language>.qm.
    auto *own = new QTranslator(&application);
    if (!own->load(locale, u"lyrabox"_s, u"_"_s, u":/i18n"_s)) {
        delete own;
        // The texts stay English. In a right-to-left locale so do the numbers and the
        // direction, or an English window would mirror its controls and write, say,
        // Persian digits; elsewhere the locale keeps its own way of writing numbers.
        QLocale::setDefault(locale.textDirection() == Qt::RightToLeft
                                ? QLocale(QLocale::English, QLocale::UnitedStates)
                                : locale);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        return QLocale::English;
    }
    application.installTranslator(own);

    const QLocale language(own->language());
    // Qt's own texts (dialog buttons, the file choosers of Qt Quick Dialogs), where Qt
    // ships them: "qt_<language>" gathers the catalogues of Qt's modules.
    auto *qt = new QTranslator(&application);
    if (qt->load(language, u"qt"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(qt);
    else
        delete qt;
    QLocale::setDefault(locale);
    QGuiApplication::setLayoutDirection(language.textDirection());
    return language.language();
}

} // namespace Translations
