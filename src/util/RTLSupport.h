#pragma once

#include <QStringView>

namespace RTLSupport {

// True when the text holds more Arabic- or Hebrew-script code points than
// left-to-right letters (Unicode Alphabetic). ASCII digits, spaces and punctuation
// count for neither side; Arabic-Indic digits count as right-to-left. Ties are
// left-to-right.
bool isRTL(QStringView text);

} // namespace RTLSupport
