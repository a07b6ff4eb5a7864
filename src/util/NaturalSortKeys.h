#pragma once

#include <QStringView>
#include <cstdint>
#include <cstring>
#include <vector>

// Natural-order sort keys of a list of texts, computed once so that sorting compares
// bytes instead of running the collator on every pair. Key order is exactly
// naturalLessThan: right-to-left texts first, then the collation key of the text's own
// direction (see NaturalCollator).
//
// A key is handed out as a Ref: an 8-byte head (a direction byte, 0 for right-to-left
// and 1 for left-to-right, followed by the first 7 bytes of the ICU key) that decides
// most comparisons as one integer comparison, and the rest of the ICU key. Refs point
// into this object and are valid while it lives. A Ref also carries the position of its
// text, so a sort can move Refs alone and read the order off them.
class NaturalSortKeys
{
public:
    struct Ref
    {
        uint64_t head = 0;
        const uint8_t *tail = nullptr;
        uint32_t tailSize = 0;
        uint32_t index = 0; // position of the text in the list the keys were made from

        friend bool operator<(const Ref &a, const Ref &b)
        {
            if (a.head != b.head)
                return a.head < b.head;
            // ICU keys end in their only zero byte, so neither tail is a proper prefix
            // of the other.
            const int c = std::memcmp(a.tail, b.tail, std::min(a.tailSize, b.tailSize));
            return c < 0 || (c == 0 && a.tailSize < b.tailSize);
        }
    };

    // Computes one key per text. The views need to stay valid only during the call.
    // Large lists are split between the calling thread and one helper thread, each with
    // its own collators. May be called from any thread. Ungrouped (`groupRTLFirst`
    // false), every head starts with the same direction byte and right-to-left keys
    // come from the ungrouped collator (see NaturalCollator).
    explicit NaturalSortKeys(const std::vector<QStringView> &texts, bool groupRTLFirst = true);

    qsizetype size() const { return qsizetype(m_heads.size()); }
    Ref ref(qsizetype i) const;

    // Below this many texts the helper thread costs more than it saves.
    static constexpr qsizetype kParallelThreshold = 8192;

private:
    std::vector<uint64_t> m_heads;
    std::vector<size_t> m_offsets; // size() + 1 entries into m_bytes
    std::vector<uint8_t> m_bytes;
};
