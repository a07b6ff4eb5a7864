#pragma once

#include <QString>
#include <QStringView>

namespace RTLSupport {

// True when the text holds more Arabic- or Hebrew-script code points than
// left-to-right letters (Unicode Alphabetic). ASCII digits, spaces and punctuation
// count for neither side; Arabic-Indic digits count as right-to-left. Ties are
// left-to-right.
bool isRTL(QStringView text);

// The text set apart for the bidirectional algorithm (first-strong isolate): placed
// in a sentence of the other direction, a path or name keeps its own order ("/home/a"
// never reads "home/a/" inside Arabic or Hebrew). The marks are invisible.
QString isolated(const QString &text);

} // namespace RTLSupport
