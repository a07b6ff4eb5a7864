#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <unicode/coll.h>
#include <vector>

// The two ICU collators behind natural order, and the one place that turns a text into
// what they see. Both naturalLessThan (pairwise) and NaturalSortKeys (precomputed keys)
// go through here, which is what keeps the two orders identical.
//
// Left-to-right texts: the user's locale at secondary strength (case ignored, accents
// kept) with numeric ordering. Right-to-left texts: "ar" at primary strength (case and
// diacritics ignored) with numeric ordering.
//
// ICU collators must not be used from two threads at once: forThisThread() hands out a
// pair owned by the calling thread. The left-to-right locale is read from ICU's default
// locale when a thread first asks.
//
// Natural order groups right-to-left texts first unless asked not to. Ungrouped, texts
// of both directions are ordered by their keys together, so the "ar" collator then
// keeps the script order of the root collation (letters of Latin scripts before Hebrew
// before Arabic) instead of putting Arabic first; within one script nothing changes.
class NaturalCollator
{
public:
    static NaturalCollator &forThisThread();

    // The collator for texts of one direction, grouped or not.
    icu::Collator &collator(bool rtl, bool grouped = true)
    {
        return rtl ? (grouped ? *m_rtl : ungroupedRtl()) : *m_ltr;
    }

    // True when a collates before b; both of the given direction.
    bool less(QStringView a, QStringView b, bool rtl, bool grouped = true);
    // True when a collates before b, a right-to-left and b left-to-right or the other
    // way round, ungrouped: by their sort keys.
    bool lessAcross(QStringView a, bool aRTL, QStringView b);

    // Appends the sort key of `text` (terminating zero byte included) to `out` and
    // returns its length. memcmp order of two keys of the same direction equals less().
    uint32_t appendSortKey(QStringView text, bool rtl, std::vector<uint8_t> &out,
                           bool grouped = true);

    // The text as handed to the collator: `text` itself unless it holds decimal digits
    // outside ASCII or a number of 254 or more significant digits; then a rewritten copy
    // in `storage` that ICU orders by value (see the .cpp for why and how). Pure; usable
    // from any thread.
    static QStringView collationText(QStringView text, QString &storage);

    // The locale of left-to-right collation for a given ICU default locale: that locale,
    // except the POSIX one (what ICU makes of LANG=C), which orders case-sensitively.
    static icu::Locale ltrLocaleFor(const icu::Locale &defaultLocale);

private:
    NaturalCollator();
    icu::Collator &ungroupedRtl();

    std::unique_ptr<icu::Collator> m_ltr;
    std::unique_ptr<icu::Collator> m_rtl;
    std::unique_ptr<icu::Collator> m_rtlUngrouped; // made on first use
    std::vector<uint8_t> m_keyA; // keys of lessAcross, reused between calls
    std::vector<uint8_t> m_keyB;
    QString m_scratchA; // storage for rewritten texts, reused between calls
    QString m_scratchB;
};
