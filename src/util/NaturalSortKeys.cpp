#include "NaturalSortKeys.h"

#include "NaturalCollator.h"
#include "RTLSupport.h"

#include <QThread>
#include <system_error>
#include <thread>

namespace {

constexpr size_t kHeadBytes = 7;
constexpr size_t kPrefetchDistance = 8;

struct KeyBlock
{
    std::vector<uint64_t> heads;
    std::vector<size_t> ends; // end offset of each key in bytes
    std::vector<uint8_t> bytes;
};

void computeKeys(const QStringView *texts, size_t count, bool grouped, KeyBlock &block)
{
    NaturalCollator &collator = NaturalCollator::forThisThread();
    block.heads.resize(count);
    block.ends.resize(count);
    block.bytes.reserve(count * 24);
    for (size_t i = 0; i < count; ++i) {
        // Texts of a large list lie scattered over the heap, and waiting for each one to
        // arrive from memory costs more than collating it: ask for a few ahead.
        if (i + kPrefetchDistance < count)
            __builtin_prefetch(texts[i + kPrefetchDistance].utf16());
        const bool rtl = RTLSupport::isRTL(texts[i]);
        const size_t at = block.bytes.size();
        const uint32_t length = collator.appendSortKey(texts[i], rtl, block.bytes, grouped);
        uint64_t head = (rtl || !grouped) ? 0 : 1;
        const uint8_t *key = block.bytes.data() + at;
        for (size_t b = 0; b < kHeadBytes; ++b)
            head = (head << 8) | (b < length ? key[b] : 0);
        block.heads[i] = head;
        block.ends[i] = block.bytes.size();
    }
}

} // namespace

NaturalSortKeys::NaturalSortKeys(const std::vector<QStringView> &texts, bool groupRTLFirst)
{
    const size_t n = texts.size();
    KeyBlock first;
    KeyBlock second;
    const size_t split =
        (qsizetype(n) >= kParallelThreshold && QThread::idealThreadCount() > 1) ? n / 2 : n;
    std::thread helper;
    if (split < n) {
        try {
            helper = std::thread(computeKeys, texts.data() + split, n - split, groupRTLFirst,
                                 std::ref(second));
        } catch (const std::system_error &) {
            // No thread to be had: do all the work here.
        }
    }
    computeKeys(texts.data(), helper.joinable() ? split : n, groupRTLFirst, first);
    if (helper.joinable())
        helper.join();

    m_heads = std::move(first.heads);
    m_heads.insert(m_heads.end(), second.heads.begin(), second.heads.end());
    m_offsets.reserve(n + 1);
    m_offsets.push_back(0);
    m_offsets.insert(m_offsets.end(), first.ends.begin(), first.ends.end());
    const size_t shift = first.bytes.size();
    for (size_t end : second.ends)
        m_offsets.push_back(end + shift);
    m_bytes = std::move(first.bytes);
    m_bytes.insert(m_bytes.end(), second.bytes.begin(), second.bytes.end());
}

NaturalSortKeys::Ref NaturalSortKeys::ref(qsizetype i) const
{
    const size_t begin = m_offsets[size_t(i)];
    const size_t end = m_offsets[size_t(i) + 1];
    Ref r;
    r.head = m_heads[size_t(i)];
    r.index = uint32_t(i);
    if (end - begin > kHeadBytes) {
        r.tail = m_bytes.data() + begin + kHeadBytes;
        r.tailSize = uint32_t(end - begin - kHeadBytes);
    } else {
        r.tail = m_bytes.data() + begin; // not read: tailSize is 0
    }
    return r;
}
