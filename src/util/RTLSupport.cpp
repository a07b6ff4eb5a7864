#include "RTLSupport.h"

#include <QString>
#include <unicode/uchar.h>

namespace RTLSupport {

namespace {

// Arabic (with its digits), Arabic Supplement, Arabic Extended-A, Arabic
// Presentation Forms-A and -B, and Hebrew. Syriac, Thaana, N'Ko and the Hebrew
// presentation forms are deliberately not in it.
bool isRTLScalar(char32_t c)
{
    return (c >= 0x0600 && c <= 0x06FF) || (c >= 0x0750 && c <= 0x077F) ||
           (c >= 0x08A0 && c <= 0x08FF) || (c >= 0xFB50 && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF) || (c >= 0x0590 && c <= 0x05FF);
}

} // namespace

bool isRTL(QStringView text)
{
    // Only code points outside ASCII can count as right-to-left, so a text made of
    // ASCII alone (most titles and file names) is left-to-right without looking up a
    // single property. One branch-free pass the compiler vectorises.
    char16_t any = 0;
    for (QChar c : text)
        any |= c.unicode();
    if (any < 0x80)
        return false;

    qsizetype rtl = 0;
    qsizetype ltr = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        if (isRTLScalar(c))
            ++rtl;
        else if (c < 0x80 ? ((c | 0x20) >= 'a' && (c | 0x20) <= 'z')
                          : u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_ALPHABETIC))
            ++ltr;
    }
    return rtl > ltr;
}

QString isolated(const QString &text)
{
    return QChar(0x2068) + text + QChar(0x2069);
}

} // namespace RTLSupport
