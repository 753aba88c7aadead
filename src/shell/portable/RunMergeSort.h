#pragma once
// A stable sort that asks its comparison as rarely as the order of the
// input allows: the input is cut into its ascending runs (one comparison
// per neighbour) and the runs are merged pairwise. Input that is already
// in order costs Count - 1 comparisons, input made of k runs about
// Count * log2(k). Meant for comparisons that are dear (a call into the
// shell for each), after a cheap sort has brought the input close to the
// order wanted.
//
// The runs can be found a slice at a time (TRunFinder), so that a caller
// with a message loop to serve can spread the comparisons out.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

// Finds the ascending runs of a sequence, Step comparisons at a time.
class TRunFinder {
 public:
  explicit TRunFinder(std::size_t Count) : FCount(Count) { FBounds.push_back(0); }

  bool Done() const { return FNext >= FCount; }
  // Compares up to Steps neighbours further on; Less(a, b) says whether
  // element a must come before element b.
  template <class Items, class Less>
  void Find(const Items& Sequence, Less LessThan, std::size_t Steps) {
    for (; FNext < FCount && Steps > 0; ++FNext, --Steps)
      if (LessThan(Sequence[FNext], Sequence[FNext - 1])) FBounds.push_back(FNext);
  }
  // Where each run starts, and the end of the sequence last; valid once
  // Done.
  std::vector<std::size_t> Bounds() const {
    std::vector<std::size_t> bounds = FBounds;
    if (FCount > 0) bounds.push_back(FCount);
    return bounds;
  }

 private:
  std::size_t FCount;
  std::size_t FNext = 1;
  std::vector<std::size_t> FBounds;
};

// Merges the runs that start at Bounds (as TRunFinder gives them) into one
// ascending, stable sequence.
template <class T, class Less>
void MergeRuns(std::vector<T>& Items, std::vector<std::size_t> Bounds, Less LessThan) {
  while (Bounds.size() > 2) {
    std::vector<std::size_t> merged{0};
    for (std::size_t r = 0; r + 1 < Bounds.size(); r += 2) {
      const std::size_t low = Bounds[r], middle = Bounds[r + 1];
      const std::size_t high = r + 2 < Bounds.size() ? Bounds[r + 2] : middle;
      if (middle < high)
        std::inplace_merge(Items.begin() + low, Items.begin() + middle, Items.begin() + high,
                           LessThan);
      merged.push_back(high);
    }
    Bounds = std::move(merged);
  }
}

template <class T, class Less>
void RunMergeSort(std::vector<T>& Items, Less LessThan) {
  TRunFinder runs(Items.size());
  runs.Find(Items, LessThan, Items.size());
  MergeRuns(Items, runs.Bounds(), LessThan);
}
