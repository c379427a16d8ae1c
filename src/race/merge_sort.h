// The ship list's sort: bottom-up merge (runs of 1, 2, 4, ...) that takes the left element
// whenever compare(left, right) <= 0. The race orderings are not symmetric in every case, so
// the result depends on exactly this merge; std::stable_sort would not do.
#pragma once

#include <algorithm>
#include <vector>

template <typename T, typename Compare>
void MergeSortList(std::vector<T>& items, std::vector<T>& scratch, Compare compare) {
  const size_t n = items.size();
  if (n < 2) return;
  scratch.resize(n);
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t left = 0; left < n; left += 2 * width) {
      const size_t mid = std::min(left + width, n);
      const size_t end = std::min(left + 2 * width, n);
      size_t i = left, j = mid, out = left;
      while (i < mid && j < end) scratch[out++] = compare(items[i], items[j]) <= 0 ? items[i++] : items[j++];
      while (i < mid) scratch[out++] = items[i++];
      while (j < end) scratch[out++] = items[j++];
    }
    items.swap(scratch);
  }
}
