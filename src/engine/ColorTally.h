#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/Types.h"

namespace tintara {

// Pixels per colour, counted with the cheapest structure that holds an icon's colours:
// a multiplicative hash and linear probing over slots at most half full, beside a list
// of the colours in the order they were first met. That order is all an exact
// ColorCountTable needs to be laid out slot for slot, so the tally never has to keep
// one. Colours are kept as the pixels hold them, blue lowest, and turned round only when
// reported. The few dozen colours of a drawn icon fit the storage inside the object;
// only icons with more than 128 colours reach the heap.
class ColorTally {
 public:
  ColorTally();
  // The slots may live inside the object itself.
  ColorTally(const ColorTally&) = delete;
  ColorTally& operator=(const ColorTally&) = delete;

  // Counts `count` pixels of three bytes each, blue, green, red, one after the other.
  void CountPixels(const std::uint8_t* bgr, std::size_t count);

  // The colour with the most pixels and whether another colour has as many; no colour
  // and 0 pixels before anything was counted.
  struct Top {
    TColor color = 0;
    std::int32_t pixels = 0;
    bool shared = false;
  };
  Top MostFrequent() const;

  // Calls fn(color, pixels) for each colour in the order it was first counted.
  template <typename Fn>
  void ForEachInOrder(Fn&& fn) const {
    for (std::uint32_t e = 0; e < size_; ++e) {
      fn(ColorOf(order_[e]), slots_[Find(order_[e])].pixels);
    }
  }

 private:
  struct Slot {
    std::uint32_t bgr;  // kEmpty: free
    std::int32_t pixels;
  };
  // Pixels have three bytes, so this never names one.
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  static constexpr std::uint32_t kInlineCapacity = 256;  // slots; half of it colours

  static TColor ColorOf(std::uint32_t bgr) {
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
  }
  std::uint32_t Home(std::uint32_t bgr) const { return (bgr * 0x9E3779B1u) >> shift_; }
  // The slot holding bgr, or the free slot where it would go.
  std::uint32_t Find(std::uint32_t bgr) const {
    std::uint32_t i = Home(bgr);
    while (slots_[i].bgr != bgr && slots_[i].bgr != kEmpty) i = (i + 1) & mask_;
    return i;
  }
  void Count(std::uint32_t bgr);
  void AddNew(std::uint32_t freeSlot, std::uint32_t bgr);
  void Grow();

  Slot* slots_;
  std::uint32_t* order_;
  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = kInlineCapacity;
  std::uint32_t mask_ = kInlineCapacity - 1;
  std::uint32_t shift_ = 32 - 8;  // 32 - log2(capacity_)
  std::unique_ptr<Slot[]> heapSlots_;
  std::unique_ptr<std::uint32_t[]> heapOrder_;
  Slot inlineSlots_[kInlineCapacity];
  std::uint32_t inlineOrder_[kInlineCapacity / 2];
};

}  // namespace tintara
