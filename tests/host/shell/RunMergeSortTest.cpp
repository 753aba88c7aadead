#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "shell/portable/RunMergeSort.h"

namespace {

// Value and original position, so that stability can be seen.
using TItem = std::pair<int, int>;

std::vector<TItem> Numbered(const std::vector<int>& Values) {
  std::vector<TItem> items;
  for (int i = 0; i < static_cast<int>(Values.size()); ++i) items.emplace_back(Values[i], i);
  return items;
}

struct TCountingLess {
  long long* Calls;
  bool operator()(const TItem& A, const TItem& B) const {
    ++*Calls;
    return A.first < B.first;
  }
};

}  // namespace

TEST(RunMergeSort, InputInOrderCostsOneComparisonPerNeighbour) {
  std::vector<int> values(10000);
  for (int i = 0; i < 10000; ++i) values[i] = i / 3;  // with equal neighbours
  std::vector<TItem> items = Numbered(values);
  long long calls = 0;
  RunMergeSort(items, TCountingLess{&calls});
  EXPECT_EQ(calls, 9999);
  EXPECT_EQ(items, Numbered(values));
}

TEST(RunMergeSort, SortsStablyWhateverTheInput) {
  std::mt19937 random(7);
  for (int size : {0, 1, 2, 3, 17, 1000}) {
    std::vector<int> values(size);
    for (int& v : values) v = static_cast<int>(random() % 50);
    std::vector<TItem> items = Numbered(values);
    std::vector<TItem> expected = items;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const TItem& A, const TItem& B) { return A.first < B.first; });
    long long calls = 0;
    RunMergeSort(items, TCountingLess{&calls});
    EXPECT_EQ(items, expected) << size;
  }
}

TEST(RunMergeSort, AFewItemsOutOfPlaceCostFewComparisons) {
  std::vector<int> values(10000);
  for (int i = 0; i < 10000; ++i) values[i] = i;
  std::swap(values[100], values[5000]);
  std::swap(values[20], values[21]);
  std::vector<TItem> items = Numbered(values);
  long long calls = 0;
  RunMergeSort(items, TCountingLess{&calls});
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
  // Five runs: the neighbour checks, then merges over about three passes.
  EXPECT_LT(calls, 4 * 10000);
}

TEST(RunMergeSort, RunsFoundASliceAtATimeGiveTheSameResult) {
  std::vector<int> values{5, 6, 7, 1, 2, 9, 9, 3, 0, 4};
  std::vector<TItem> items = Numbered(values);
  long long calls = 0;
  TCountingLess less{&calls};
  TRunFinder runs(items.size());
  while (!runs.Done()) runs.Find(items, less, 2);
  EXPECT_EQ(runs.Bounds(), (std::vector<std::size_t>{0, 3, 7, 8, 10}));
  MergeRuns(items, runs.Bounds(), less);
  std::vector<int> sorted;
  for (const TItem& item : items) sorted.push_back(item.first);
  EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 9}));
}

TEST(RunMergeSort, AComparisonThatIsNoOrderEndsWithEveryItemKept) {
  std::vector<TItem> items = Numbered({4, 1, 3, 1, 5, 9, 2, 6});
  RunMergeSort(items, [](const TItem&, const TItem&) { return true; });
  std::vector<int> positions;
  for (const TItem& item : items) positions.push_back(item.second);
  std::sort(positions.begin(), positions.end());
  EXPECT_EQ(positions, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}
