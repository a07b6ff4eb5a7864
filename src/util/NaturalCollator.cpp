#include "NaturalCollator.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <unicode/locid.h>
#include <unicode/uchar.h>

namespace {

// What ICU 72's numeric collation gets wrong, and how the text handed to it avoids it.
// Everything else it gets right and is left to it: leading zeros, numbers up to 253
// digits (30 to 60 digits included), digits touching letters, texts of digits only, and
// runs in any decimal digit script (Arabic-Indic, Persian, Devanagari, Thai, Myanmar,
// N'Ko, Osmanya, fullwidth and mathematical digits were checked), mixed scripts in one
// run being read as one number.
//
// 1. Digits other than ASCII after a common prefix. Collator::compare skips the prefix
//    two texts share and, when that prefix ends inside a digit run, backs up to the
//    start of the run, but it recognises only digits the locale's own tailoring marks
//    as digits. In the tailored locales checked ("ar", "fa", "ur", "hi", "th") that is
//    ASCII alone, and in the root locale it misses astral digits such as U+1D7CE.
//    So compare("פרק ١٧", "פרק ١٠٠") compares 7 with 00 and says "greater",
//    while the sort keys, which never skip a prefix, say "less". Every decimal digit (general
//    category Nd, the set ICU's numeric collation treats as digits) is therefore handed
//    to ICU as the ASCII digit of the same value. Nothing is lost: with numeric ordering
//    on, a digit run becomes collation elements made from its value alone, with common
//    secondary and tertiary weights, so the digit script never counted at any level.
//
// 2. Numbers of 255 digits and more. A digit run becomes one collation element per
//    piece of at most 254 digits (the digit count is stored in one byte), the pieces
//    compared one after another, so 10^254 (255 digits) sorts before 10^254 - 1 (254
//    nines). Runs of 254 or more significant digits are rewritten into digit runs that
//    ICU's piecewise comparison orders by value:
//
//      254 nines | "1" + digit count zero-padded to 253 digits | "1" + next 253 digits...
//
//    Every piece is then exactly 254 digits long and starts with 1, so ICU strips no
//    zeros inside the run and the pieces line up; only the last piece is shorter, and
//    its length follows from the digit count. The first piece is larger than any number
//    of at most 253 digits, which ICU still compares whole; the second orders long
//    numbers by digit count; the rest compare digit strings of equal length, which is
//    comparison by value. Leading zeros are dropped, as ICU drops them anyway.
constexpr qsizetype kMaxPiece = 254;

// Decimal digits of the Basic Multilingual Plane as a bitmap, built once from ICU's
// character data; most titles are BMP text, and this keeps the per-character test to
// one load.
struct BmpDigits
{
    uint64_t bits[0x10000 / 64] = {};
    BmpDigits()
    {
        for (UChar32 c = 0x80; c < 0x10000; ++c)
            if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER)
                bits[c >> 6] |= uint64_t(1) << (c & 63);
    }
};

// The decimal value of a Unicode decimal digit (general category Nd), or -1.
int digitValue(char32_t c)
{
    if (c < 0x80)
        return (c >= '0' && c <= '9') ? int(c - '0') : -1;
    if (c < 0x10000) {
        static const BmpDigits table;
        if (!(table.bits[c >> 6] & (uint64_t(1) << (c & 63))))
            return -1;
    } else if (u_charType(UChar32(c)) != U_DECIMAL_DIGIT_NUMBER) {
        return -1;
    }
    return u_charDigitValue(UChar32(c));
}

char32_t codePointAt(QStringView text, qsizetype i, qsizetype &width)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        width = 2;
        return QChar::surrogateToUcs4(c, text[i + 1].unicode());
    }
    width = 1;
    return c;
}

bool isAscii(QStringView text)
{
    char16_t any = 0;
    for (QChar c : text)
        any |= c.unicode();
    return any < 0x80;
}

// True when the text needs rewriting: it has a digit outside ASCII or a run of at least
// kMaxPiece significant digits.
bool needsRewrite(QStringView text)
{
    const bool ascii = isAscii(text);
    if (ascii && text.size() < kMaxPiece)
        return false;
    qsizetype significant = 0;
    bool inRun = false;
    for (qsizetype i = 0, width = 1; i < text.size(); i += width) {
        const char32_t c = codePointAt(text, i, width);
        const int value = digitValue(c);
        if (value < 0) {
            inRun = false;
            continue;
        }
        if (c >= 0x80)
            return true;
        if (!inRun)
            significant = 0;
        inRun = true;
        if ((value != 0 || significant > 0) && ++significant >= kMaxPiece)
            return true;
    }
    return false;
}

// Replaces out[from..] (the ASCII digits of one run) by the long-number form when the
// run has at least kMaxPiece significant digits.
void finishRun(QString &out, qsizetype from)
{
    qsizetype first = from;
    while (first < out.size() && out[first] == u'0')
        ++first;
    const qsizetype significant = out.size() - first;
    if (significant < kMaxPiece)
        return;
    const QString digits = out.mid(first);
    out.truncate(from);
    out.append(QString(kMaxPiece, u'9'));
    out.append(u'1');
    const QString count = QString::number(significant);
    out.append(QString(kMaxPiece - 1 - count.size(), u'0'));
    out.append(count);
    for (qsizetype at = 0; at < significant; at += kMaxPiece - 1) {
        out.append(u'1');
        out.append(QStringView(digits).mid(at, kMaxPiece - 1));
    }
}

std::unique_ptr<icu::Collator> makeCollator(const icu::Locale &locale,
                                            icu::Collator::ECollationStrength strength)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || !collator) {
        status = U_ZERO_ERROR;
        collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (U_FAILURE(status) || !collator)
        qFatal("ICU collation data is missing: %s", u_errorName(status));
    collator->setStrength(strength);
    collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    return collator;
}

const char16_t *utf16(QStringView text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

} // namespace

QStringView NaturalCollator::collationText(QStringView text, QString &storage)
{
    if (!needsRewrite(text))
        return text;
    // Digits become one ASCII unit each, everything else is copied, so the result is
    // never longer than the text unless a long number is spelled out below.
    storage.resize(text.size()); // keeps the capacity between texts
    char16_t *out = reinterpret_cast<char16_t *>(storage.data());
    qsizetype length = 0;
    qsizetype runStart = -1;
    bool longRun = false;
    for (qsizetype i = 0, width = 1; i < text.size(); i += width) {
        const char32_t c = codePointAt(text, i, width);
        const int value = digitValue(c);
        if (value >= 0) {
            if (runStart < 0)
                runStart = length;
            out[length++] = char16_t(u'0' + value);
            continue;
        }
        if (runStart >= 0 && length - runStart >= kMaxPiece)
            longRun = true;
        runStart = -1;
        out[length++] = text[i].unicode();
        if (width == 2)
            out[length++] = text[i + 1].unicode();
    }
    if (runStart >= 0 && length - runStart >= kMaxPiece)
        longRun = true;
    storage.truncate(length);
    if (!longRun)
        return storage;

    // Spell out the numbers of kMaxPiece significant digits and more.
    const QString digitsOnly = storage;
    storage.resize(0);
    runStart = -1;
    for (QChar ch : digitsOnly) {
        if (ch.unicode() >= u'0' && ch.unicode() <= u'9') {
            if (runStart < 0)
                runStart = storage.size();
        } else if (runStart >= 0) {
            finishRun(storage, runStart);
            runStart = -1;
        }
        storage.append(ch);
    }
    if (runStart >= 0)
        finishRun(storage, runStart);
    return storage;
}

icu::Locale NaturalCollator::ltrLocaleFor(const icu::Locale &defaultLocale)
{
    // en_US_POSIX collation is tailored to code-point order of ASCII, upper case before
    // lower case at the primary level: "Banana" would go before "apple".
    if (defaultLocale.isBogus() || std::strcmp(defaultLocale.getVariant(), "POSIX") == 0)
        return icu::Locale::getRoot();
    return defaultLocale;
}

NaturalCollator::NaturalCollator()
    : m_ltr(makeCollator(ltrLocaleFor(icu::Locale::getDefault()), icu::Collator::SECONDARY)),
      m_rtl(makeCollator(icu::Locale("ar"), icu::Collator::PRIMARY))
{}

NaturalCollator &NaturalCollator::forThisThread()
{
    thread_local NaturalCollator instance;
    return instance;
}

icu::Collator &NaturalCollator::ungroupedRtl()
{
    if (!m_rtlUngrouped) {
        m_rtlUngrouped.reset(m_rtl->clone());
        const int32_t none = UCOL_REORDER_CODE_NONE;
        UErrorCode status = U_ZERO_ERROR;
        m_rtlUngrouped->setReorderCodes(&none, 1, status);
    }
    return *m_rtlUngrouped;
}

bool NaturalCollator::less(QStringView a, QStringView b, bool rtl, bool grouped)
{
    const QStringView ca = collationText(a, m_scratchA);
    const QStringView cb = collationText(b, m_scratchB);
    UErrorCode status = U_ZERO_ERROR;
    return collator(rtl, grouped).compare(utf16(ca), int32_t(ca.size()), utf16(cb), int32_t(cb.size()),
                                 status) == UCOL_LESS;
}

bool NaturalCollator::lessAcross(QStringView a, bool aRTL, QStringView b)
{
    m_keyA.clear();
    m_keyB.clear();
    appendSortKey(a, aRTL, m_keyA, false);
    appendSortKey(b, !aRTL, m_keyB, false);
    return std::lexicographical_compare(m_keyA.begin(), m_keyA.end(), m_keyB.begin(),
                                        m_keyB.end());
}

uint32_t NaturalCollator::appendSortKey(QStringView text, bool rtl, std::vector<uint8_t> &out,
                                        bool grouped)
{
    const QStringView source = collationText(text, m_scratchA);
    const icu::Collator &c = collator(rtl, grouped);
    const size_t at = out.size();
    // Keys run to about two bytes per UTF-16 unit at these strengths; one retry covers
    // texts that need more.
    int32_t room = int32_t(source.size()) * 3 + 16;
    out.resize(at + size_t(room));
    int32_t length = c.getSortKey(utf16(source), int32_t(source.size()), out.data() + at, room);
    if (length > room) {
        out.resize(at + size_t(length));
        length = c.getSortKey(utf16(source), int32_t(source.size()), out.data() + at, length);
    }
    out.resize(at + size_t(length));
    return uint32_t(length);
}
