// Headings, turns and segment crossings the whole race relies on.
#include <gtest/gtest.h>

#include <vector>

#include "race/geometry.h"
#include "race/merge_sort.h"
#include "race/my_vector.h"

namespace {

struct AngleDiffCase {
  float a, b;
  int absolute;
  float expected;
};

TEST(Geometry, AngleDiffIsTheSignedShortestTurn) {
  const AngleDiffCase cases[] = {
      {350, 10, 0, 20}, {10, 350, 0, -20}, {10, 350, 1, 20}, {0, 90, 0, 90}, {90, 0, 0, -90},
      {0, 180, 1, 180}, {-0.5f, 0.5f, 0, 1}, {720, 10, 0, 10},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(AngleDiff(c.a, c.b, c.absolute), c.expected, 1e-3) << c.a << " -> " << c.b;
  }
}

TEST(Geometry, AngleToLiesInAFullTurnWithNinetyDownwards) {
  EXPECT_NEAR(AngleTo(0, 0, 0, -10), 270, 1e-4);
  EXPECT_NEAR(AngleTo(0, 0, 10, 0), 0, 1e-4);
  EXPECT_NEAR(AngleTo(0, 0, 0, 10), 90, 1e-4);
  EXPECT_NEAR(AngleTo(0, 0, -10, 0), 180, 1e-4);
  EXPECT_NEAR(Distance(0, 0, 3, 4), 5, 1e-6);
}

TEST(Geometry, SegmentsCrossIncludingTheirEndsButNeverWhenParallel) {
  const TInterceptPoint cross = TInterceptPoint::Intersect(0, 0, 10, 10, 0, 10, 10, 0);
  EXPECT_EQ(cross.intercept, 1);
  EXPECT_FLOAT_EQ(cross.x, 5);
  EXPECT_FLOAT_EQ(cross.y, 5);
  EXPECT_EQ(TInterceptPoint::Intersect(0, 0, 10, 0, 10, -5, 10, 5).intercept, 1);  // touching at an end
  EXPECT_EQ(TInterceptPoint::Intersect(0, 0, 9, 0, 10, -5, 10, 5).intercept, 0);
  EXPECT_EQ(TInterceptPoint::Intersect(0, 0, 10, 0, 0, 1, 10, 1).intercept, 0);  // parallel
}

TEST(Geometry, VectorOperationsTurnAndCombine) {
  TMyVector v = TMyVector::Create(1, 0, 0);
  v.RotateAroundZ(90);
  EXPECT_NEAR(v.X, 0, 1e-12);
  EXPECT_NEAR(v.Y, 1, 1e-12);
  TMyVector axis = TMyVector::Create(0, 0, 1);
  TMyVector w = TMyVector::Create(1, 0, 0);
  w.RotateAroundV(axis, 90);
  EXPECT_NEAR(w.Y, 1, 1e-12);
  TMyVector a = TMyVector::Create(1, 0, 0);
  const TMyVector b = TMyVector::Create(0, 1, 0);
  a.CrossPV(&b);
  EXPECT_DOUBLE_EQ(a.Z, 1);
  a.Add(nullptr).Sub(nullptr).CrossPV(nullptr);
  EXPECT_DOUBLE_EQ(a.Z, 1);
  EXPECT_DOUBLE_EQ(a.GetDotPV(nullptr), 0);
  EXPECT_DOUBLE_EQ(TMyVector::Create(3, 4, 0).Normalize().GetLength(), 1);
}

TEST(MergeSort, KeepsTheLeftElementWhenTheComparisonSaysEqualOrBefore) {
  struct Item {
    int key, order;
  };
  std::vector<Item> items = {{2, 0}, {1, 1}, {2, 2}, {1, 3}, {2, 4}, {1, 5}, {0, 6}};
  std::vector<Item> scratch;
  MergeSortList(items, scratch, [](const Item& l, const Item& r) { return l.key < r.key ? -1 : (l.key > r.key); });
  const int expected[] = {6, 1, 3, 5, 0, 2, 4};
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].order, expected[i]);
  // A comparison that always says "before" leaves the list as it was.
  MergeSortList(items, scratch, [](const Item&, const Item&) { return -1; });
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].order, expected[i]);
}

}  // namespace
