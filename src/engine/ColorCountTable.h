#pragma once

#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace tintara {

// The lookup3 mix of a colour's four little-endian bytes, with the state seeded from
// 0xDEADBEEF + 16 rather than + 4: the slot order, and with it which of several
// equally frequent colours wins, depends on exactly this value.
std::uint32_t MixHash32(TColor key);

// The table hash: 31 bits and never 0, so 0 can mark an empty slot.
std::int32_t ColorKeyHash(TColor key);

// Open-addressing counter of pixels per colour. Hashing, linear probing, doubling
// growth and index-order enumeration are fixed so that ties between equally frequent
// colours always resolve the same way.
class ColorCountTable {
 public:
  struct Slot {
    std::int32_t HashCode = 0;  // 0: empty
    TColor Key = 0;
    std::int32_t Value = 0;
  };

  bool Contains(TColor key) const { return Find(key, ColorKeyHash(key)) >= 0; }
  // For a present key.
  std::int32_t Get(TColor key) const;
  void Set(TColor key, std::int32_t value);
  // For an absent key.
  void Add(TColor key, std::int32_t value);

  // Counts `pixels` more pixels of this colour: the same table as Contains followed by
  // Set or Add for each pixel, with one search instead of two per pixel.
  void Increment(TColor key, std::int32_t pixels = 1);

  std::int32_t Count() const { return FCount; }
  std::int32_t Capacity() const { return static_cast<std::int32_t>(FItems.size()); }
  std::int32_t GrowThreshold() const { return FGrowThreshold; }
  const std::vector<Slot>& Slots() const { return FItems; }

  // Calls fn(key, value) for each occupied slot in index order.
  template <typename Fn>
  void ForEach(Fn&& fn) const {
    for (const Slot& slot : FItems) {
      if (slot.HashCode != 0) fn(slot.Key, slot.Value);
    }
  }

 private:
  // Index of the key's slot, or -1. With an empty table there is no slot at all.
  std::int32_t Find(TColor key, std::int32_t hash) const;
  // Index of the key's slot or of the empty slot where it would go; capacity > 0.
  std::uint32_t Probe(TColor key, std::int32_t hash) const;
  void Resize(std::uint32_t capacity);
  void Insert(TColor key, std::int32_t hash, std::int32_t value);

  std::vector<Slot> FItems;
  std::int32_t FCount = 0;
  std::int32_t FGrowThreshold = 0;
};

}  // namespace tintara
