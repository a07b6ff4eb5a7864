#pragma once

#include <cstddef>
#include <vector>

// Stable top-down merge sort. Written out rather than std::stable_sort so that the
// order it yields for predicates that are not strict weak orderings (the item order
// across import batches) is fixed by this code, not by a standard library: the same
// input and the same answers of `less` always give the same result.
//
// Each level merges the two sorted halves of a range, taking from the right half only
// when its element is strictly less than the left one. The two buffers swap roles from
// level to level instead of copying back, which changes no comparison.
namespace MergeSort {

namespace detail {

// Sorts from[lo, hi) into to[lo, hi); both ranges start with the same elements.
template <typename T, typename Less> void sortInto(T *from, T *to, size_t lo, size_t hi, Less &less)
{
    if (hi - lo < 2)
        return;
    const size_t mid = lo + (hi - lo) / 2;
    sortInto(to, from, lo, mid, less);
    sortInto(to, from, mid, hi, less);
    size_t i = lo, j = mid, k = lo;
    while (i < mid && j < hi) {
        if (less(from[j], from[i]))
            to[k++] = from[j++];
        else
            to[k++] = from[i++];
    }
    while (i < mid)
        to[k++] = from[i++];
    while (j < hi)
        to[k++] = from[j++];
}

} // namespace detail

template <typename T, typename Less> void sort(std::vector<T> &values, Less less)
{
    std::vector<T> scratch(values);
    detail::sortInto(scratch.data(), values.data(), 0, values.size(), less);
}

} // namespace MergeSort
