#include <gtest/gtest.h>

#include <thread>

#include "platform/runtime.h"

TEST(Random, FollowsTheFormulaWithinInclusiveBounds) {
  toolkit::SeedRandom(12345);
  const int r = toolkit::RandomValue();
  toolkit::SeedRandom(12345);
  EXPECT_EQ(toolkit::Random(3, 12), 3 + r % 10);
  toolkit::SeedRandom(7);
  bool sawLow = false, sawHigh = false;
  for (int i = 0; i < 5000; ++i) {
    int v = toolkit::Random(12, 100);
    ASSERT_GE(v, 12);
    ASSERT_LE(v, 100);
    sawLow |= v == 12;
    sawHigh |= v == 100;
  }
  EXPECT_TRUE(sawLow && sawHigh) << "both ends are reachable";
}

TEST(Random, BoundsAreSwappedAndNegativesCountAsZero) {
  for (int i = 0; i < 200; ++i) {
    int swapped = toolkit::Random(100, 30);
    EXPECT_TRUE(swapped >= 30 && swapped <= 100);
    int clamped = toolkit::Random(-5, 2);
    EXPECT_TRUE(clamped >= 0 && clamped <= 2);
  }
  EXPECT_EQ(toolkit::Random(-4, -9), 0);
}

TEST(Random, EachThreadHasItsOwnSequenceAndUnseededThreadsStartAlike) {
  auto firstDraws = [] {
    std::vector<int> v;
    for (int i = 0; i < 4; ++i) v.push_back(toolkit::RandomValue());
    return v;
  };
  std::vector<int> a, b;
  toolkit::SeedRandom(99);  // seeding this thread does not reach new threads
  std::thread([&] { a = firstDraws(); }).join();
  std::thread([&] { b = firstDraws(); }).join();
  EXPECT_EQ(a, b);
  toolkit::SeedRandom(99);
  EXPECT_NE(firstDraws(), a);
}

TEST(NumberToText, IntegersAndRealsWithThirteenDigits) {
  EXPECT_EQ(toolkit::NumberToText(0LL), "0");
  EXPECT_EQ(toolkit::NumberToText(-1LL), "-1");
  EXPECT_EQ(toolkit::NumberToText(2147483647LL), "2147483647");
  EXPECT_EQ(toolkit::NumberToText(57.5), "57.5");
  EXPECT_EQ(toolkit::NumberToText(1.0 / 3.0), "0.3333333333333");
  EXPECT_EQ(toolkit::NumberToText(-2.0), "-2");
  EXPECT_EQ(toolkit::Floor(57.5), 57);
  EXPECT_EQ(toolkit::Floor(-13.5), -14);
  EXPECT_EQ(toolkit::Floor(-13.0), -13);
}
