#pragma once

#include <QLocale>

class QCoreApplication;

// The window's language: Lyrabox's own catalogue for the first of the user's languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them) that has one, with Qt's own
// texts (standard buttons, file choosers) in the same language. A language without a
// catalogue gives English, left to right, with the numbers English writes.
namespace Translations {

// Installs the catalogues for `locale` and sets the application's layout direction
// from the language chosen. Returns that language (QLocale::English when none matched).
// Call once, after the application object exists and before any window is made.
QLocale::Language install(QCoreApplication &application, const QLocale &locale = QLocale::system());

} // namespace Translations
