#include "random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace sumwick {
namespace {

TEST(RandomSource, SameSeedGivesSameNumbers) {
  RandomSource a(42), b(42), c(43);
  std::vector<int> fromA, fromB, fromC;
  for (int i = 0; i < 50; ++i) {
    fromA.push_back(a.RandomInRange(1, 1000));
    fromB.push_back(b.RandomInRange(1, 1000));
    fromC.push_back(c.RandomInRange(1, 1000));
  }
  EXPECT_EQ(fromA, fromB);
  EXPECT_NE(fromA, fromC);
}

TEST(RandomSource, CoversSmallRangeEvenly) {
  RandomSource random(7);
  int counts[4] = {};
  constexpr int kDraws = 40000;
  for (int i = 0; i < kDraws; ++i) {
    const int v = random.RandomInRange(1, 4);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 4);
    ++counts[v - 1];
  }
  for (int count : counts) EXPECT_NEAR(count, kDraws / 4, kDraws / 40);
}

TEST(RandomSource, ReachesTheWholeOfAWideRange) {
  // A range far wider than 32768 values is covered up to its top, not only near its bottom.
  RandomSource random(1);
  int highest = 0;
  for (int i = 0; i < 10000; ++i) highest = std::max(highest, random.RandomInRange(5, 100000));
  EXPECT_GT(highest, 95000);
  EXPECT_LE(highest, 100000);
}

TEST(RandomSource, HandlesTheEndsOfThe32BitRange) {
  RandomSource random(3);
  bool sawNegative = false, sawPositive = false;
  for (int i = 0; i < 1000; ++i) {
    const int v = random.RandomInRange(-2147483647 - 1, 2147483647);
    sawNegative |= v < 0;
    sawPositive |= v > 0;
  }
  EXPECT_TRUE(sawNegative && sawPositive);
  EXPECT_EQ(random.RandomInRange(2147483647, 2147483647), 2147483647);
  EXPECT_EQ(random.RandomInRange(0, 0), 0);
}

TEST(RandomSource, DrawDistinctGivesDifferentNumbersInRange) {
  RandomSource random(11);
  for (int round = 0; round < 500; ++round) {
    const std::vector<int> numbers = random.DrawDistinct(9, -4, 4);  // every value of the range
    ASSERT_EQ(numbers.size(), 9u);
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), 9u);
    for (int n : numbers) EXPECT_TRUE(n >= -4 && n <= 4);
  }
}

TEST(RandomSource, DrawDistinctKeepsDrawOrder) {
  // Without repeats in the range, the draw is exactly the sequence of single draws.
  RandomSource a(5), b(5);
  const std::vector<int> numbers = a.DrawDistinct(3, 1, 1000000);
  const std::vector<int> singles{b.RandomInRange(1, 1000000), b.RandomInRange(1, 1000000),
                                 b.RandomInRange(1, 1000000)};
  EXPECT_EQ(numbers, singles);
}

}  // namespace
}  // namespace sumwick
