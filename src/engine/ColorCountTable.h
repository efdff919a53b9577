#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/Types.h"

namespace tintara {

// The lookup3 mix of a colour's four little-endian bytes, with the state seeded from
// 0xDEADBEEF + 16 rather than + 4: the slot order, and with it which of several
// equally frequent colours wins, depends on exactly this value.
constexpr std::uint32_t MixHash32(TColor key) {
  constexpr auto rot = [](std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); };
  std::uint32_t a = 0xDEADBEFFu;
  std::uint32_t b = 0xDEADBEFFu;
  std::uint32_t c = 0xDEADBEFFu;
  a += key;
  c = (c ^ b) - rot(b, 14);
  a = (a ^ c) - rot(c, 11);
  b = (b ^ a) - rot(a, 25);
  c = (c ^ b) - rot(b, 16);
  a = (a ^ c) - rot(c, 4);
  b = (b ^ a) - rot(a, 14);
  c = (c ^ b) - rot(b, 24);
  return c;
}

// The table hash: 31 bits and never 0, so 0 can mark an empty slot.
constexpr std::int32_t ColorKeyHash(TColor key) {
  return static_cast<std::int32_t>(((MixHash32(key) & 0x7FFFFFFFu) + 1) & 0x7FFFFFFFu);
}

// Open-addressing counter of pixels per colour. Hashing, linear probing, doubling
// growth and index-order enumeration are fixed so that ties between equally frequent
// colours always resolve the same way.
class ColorCountTable {
 public:
  // Trivial on purpose: a new slot array is zeroed in one sweep, which is what
  // empties it.
  struct Slot {
    std::int32_t HashCode;  // 0: empty
    TColor Key;
    std::int32_t Value;
  };

  ColorCountTable() = default;
  // The slots may live inside the object itself.
  ColorCountTable(const ColorCountTable&) = delete;
  ColorCountTable& operator=(const ColorCountTable&) = delete;

  bool Contains(TColor key) const { return Find(key, ColorKeyHash(key)) >= 0; }
  // For a present key.
  std::int32_t Get(TColor key) const;
  void Set(TColor key, std::int32_t value);
  // For an absent key.
  void Add(TColor key, std::int32_t value);

  // Counts `pixels` more pixels of this colour: the same table as Contains followed by
  // Set or Add for each pixel, with one search instead of two per pixel.
  void Increment(TColor key, std::int32_t pixels = 1) {
    IncrementHashed(key, ColorKeyHash(key), pixels);
  }
  // The same with the key's ColorKeyHash already at hand. Inline: it is the inner
  // step of counting every pixel of an icon.
  void IncrementHashed(TColor key, std::int32_t hash, std::int32_t pixels) {
    if (capacity_ != 0) {
      Slot& slot = FItems[Probe(key, hash)];
      if (slot.HashCode != 0) {
        slot.Value += pixels;
        return;
      }
      if (FCount < FGrowThreshold) {  // the empty slot found is where it goes
        slot = Slot{hash, key, pixels};
        ++FCount;
        return;
      }
    }
    Insert(key, hash, pixels);
  }
  // Hints that the key with this hash is counted soon; changes nothing.
  void PrefetchHome(std::int32_t hash) const {
    if (capacity_ != 0) __builtin_prefetch(&FItems[static_cast<std::uint32_t>(hash) & mask_]);
  }

  std::int32_t Count() const { return FCount; }
  std::int32_t Capacity() const { return static_cast<std::int32_t>(capacity_); }
  std::int32_t GrowThreshold() const { return FGrowThreshold; }
  std::span<const Slot> Slots() const { return {FItems, capacity_}; }

  // Calls fn(key, value) for each occupied slot in index order.
  template <typename Fn>
  void ForEach(Fn&& fn) const {
    for (const Slot& slot : Slots()) {
      if (slot.HashCode != 0) fn(slot.Key, slot.Value);
    }
  }

 private:
  // Index of the key's slot, or -1. With an empty table there is no slot at all.
  std::int32_t Find(TColor key, std::int32_t hash) const;
  // Index of the key's slot or of the empty slot where it would go; capacity > 0.
  std::uint32_t Probe(TColor key, std::int32_t hash) const {
    std::uint32_t i = static_cast<std::uint32_t>(hash) & mask_;
    while (true) {
      const Slot& slot = FItems[i];
      if (slot.HashCode == 0 || (slot.HashCode == hash && slot.Key == key)) return i;
      i = (i + 1) & mask_;
    }
  }
  void Resize(std::uint32_t capacity);
  void Insert(TColor key, std::int32_t hash, std::int32_t value);

  // Capacities up to kInlineCapacity live in inlineSlots_, each generation beside the
  // one before it (capacity c at offset c - 4), so counting a typical icon's few dozen
  // colours allocates nothing; larger tables live on the heap.
  static constexpr std::uint32_t kInlineCapacity = 64;
  static constexpr std::uint32_t kInlineSlots = 4 + 8 + 16 + 32 + 64;

  Slot* FItems = nullptr;
  std::int32_t FCount = 0;
  std::int32_t FGrowThreshold = 0;
  std::uint32_t capacity_ = 0;
  std::uint32_t mask_ = 0;  // capacity - 1
  std::unique_ptr<Slot[]> heapSlots_;
  Slot inlineSlots_[kInlineSlots];
};

}  // namespace tintara
