#include <gtest/gtest.h>

#include <vector>

#include "engine/ColorCountTable.h"

namespace tintara {
namespace {

TEST(ColorCountTable, HashesMatchTheDocumentedCheckValues) {
  EXPECT_EQ(MixHash32(0x000000), 0x92D48306u);
  EXPECT_EQ(MixHash32(0xFFFFFF), 0x27234079u);
  EXPECT_EQ(MixHash32(0x808080), 0x2EC700D9u);
  EXPECT_EQ(ColorKeyHash(0x000000), 0x12D48307);
  EXPECT_EQ(ColorKeyHash(0xFFFFFF), 0x2723407A);
  EXPECT_EQ(ColorKeyHash(0x808080), 0x2EC700DA);
}

TEST(ColorCountTable, TableHashIsNeverZeroForAnyColour) {
  for (TColor c = 0; c <= 0xFFFFFF; ++c) {
    const std::int32_t h = ColorKeyHash(c);
    ASSERT_GT(h, 0) << std::hex << c;
  }
}

TEST(ColorCountTable, GrowsThroughPowersOfTwoAtThreeQuarters) {
  ColorCountTable table;
  EXPECT_EQ(table.Capacity(), 0);
  EXPECT_EQ(table.GrowThreshold(), 0);
  EXPECT_FALSE(table.Contains(0x123456));
  // Distinct colour number n (1-based) at which the capacity changes.
  const std::vector<std::pair<int, int>> steps = {{1, 4}, {4, 8}, {7, 16}, {13, 32}, {25, 64}};
  std::size_t next = 0;
  int capacityBefore = 0;
  for (int n = 1; n <= 30; ++n) {
    table.Add(static_cast<TColor>(n * 0x010203), n);
    if (next < steps.size() && steps[next].first == n) {
      EXPECT_EQ(table.Capacity(), steps[next].second) << "colour " << n;
      EXPECT_EQ(table.GrowThreshold(), steps[next].second / 2 + steps[next].second / 4);
      capacityBefore = table.Capacity();
      ++next;
    } else {
      EXPECT_EQ(table.Capacity(), capacityBefore) << "colour " << n;
    }
    EXPECT_EQ(table.Count(), n);
  }
  for (int n = 1; n <= 30; ++n) EXPECT_EQ(table.Get(static_cast<TColor>(n * 0x010203)), n);
}

TEST(ColorCountTable, SlotsFollowHomeSlotsLinearProbingAndResizeOrder) {
  // Home slots in 8 slots: 0x808080 -> 2, 0xFFFFFF -> 2, 0x0000FF -> 4, 0x00FF00 -> 4.
  ColorCountTable table;
  for (TColor c : {0x0000FFu, 0xFF0000u, 0x00FF00u, 0x808080u, 0x000000u, 0xFFFFFFu}) {
    table.Add(c, 1);
  }
  ASSERT_EQ(table.Capacity(), 8);
  const auto& slots = table.Slots();
  const std::vector<std::pair<int, TColor>> expected = {
      {2, 0x808080}, {3, 0xFFFFFF}, {4, 0x0000FF}, {5, 0x00FF00}, {6, 0xFF0000}, {7, 0x000000}};
  for (const auto& [index, key] : expected) {
    EXPECT_NE(slots[static_cast<std::size_t>(index)].HashCode, 0) << index;
    EXPECT_EQ(slots[static_cast<std::size_t>(index)].Key, key) << index;
    EXPECT_EQ(slots[static_cast<std::size_t>(index)].HashCode, ColorKeyHash(key));
  }
  EXPECT_EQ(slots[0].HashCode, 0);
  EXPECT_EQ(slots[1].HashCode, 0);
  std::vector<TColor> order;
  table.ForEach([&](TColor key, std::int32_t) { order.push_back(key); });
  EXPECT_EQ(order,
            (std::vector<TColor>{0x808080, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x000000}));
}

TEST(ColorCountTable, IncrementLeavesTheSameTableAsContainsSetAdd) {
  ColorCountTable counted;
  ColorCountTable stepwise;
  std::uint32_t state = 12345;
  for (int i = 0; i < 5000; ++i) {
    state = state * 1103515245u + 12345u;
    const TColor key = (state >> 8) % 700 * 0x010101 % 0x1000000;
    counted.Increment(key);
    if (stepwise.Contains(key)) {
      stepwise.Set(key, stepwise.Get(key) + 1);
    } else {
      stepwise.Add(key, 1);
    }
  }
  ASSERT_EQ(counted.Capacity(), stepwise.Capacity());
  for (std::size_t i = 0; i < counted.Slots().size(); ++i) {
    EXPECT_EQ(counted.Slots()[i].HashCode, stepwise.Slots()[i].HashCode);
    EXPECT_EQ(counted.Slots()[i].Key, stepwise.Slots()[i].Key);
    EXPECT_EQ(counted.Slots()[i].Value, stepwise.Slots()[i].Value);
  }
}

TEST(ColorCountTable, GetAndSetRejectAnAbsentKey) {
  ColorCountTable table;
  EXPECT_THROW(table.Get(1), std::out_of_range);
  table.Add(1, 5);
  EXPECT_THROW(table.Set(2, 1), std::out_of_range);
  table.Set(1, 9);
  EXPECT_EQ(table.Get(1), 9);
}

}  // namespace
}  // namespace tintara
