#include "engine/ColorCountTable.h"

#include <stdexcept>

namespace tintara {
namespace {

constexpr std::uint32_t Rot(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

}  // namespace

std::uint32_t MixHash32(TColor key) {
  std::uint32_t a = 0xDEADBEFFu;
  std::uint32_t b = 0xDEADBEFFu;
  std::uint32_t c = 0xDEADBEFFu;
  a += key;
  c = (c ^ b) - Rot(b, 14);
  a = (a ^ c) - Rot(c, 11);
  b = (b ^ a) - Rot(a, 25);
  c = (c ^ b) - Rot(b, 16);
  a = (a ^ c) - Rot(c, 4);
  b = (b ^ a) - Rot(a, 14);
  c = (c ^ b) - Rot(b, 24);
  return c;
}

std::int32_t ColorKeyHash(TColor key) {
  return static_cast<std::int32_t>(((MixHash32(key) & 0x7FFFFFFFu) + 1) & 0x7FFFFFFFu);
}

std::uint32_t ColorCountTable::Probe(TColor key, std::int32_t hash) const {
  const auto mask = static_cast<std::uint32_t>(FItems.size() - 1);
  std::uint32_t i = static_cast<std::uint32_t>(hash) & mask;
  while (true) {
    const Slot& slot = FItems[i];
    if (slot.HashCode == 0 || (slot.HashCode == hash && slot.Key == key)) return i;
    i = (i + 1) & mask;
  }
}

std::int32_t ColorCountTable::Find(TColor key, std::int32_t hash) const {
  if (FItems.empty()) return -1;
  const std::uint32_t i = Probe(key, hash);
  return FItems[i].HashCode == 0 ? -1 : static_cast<std::int32_t>(i);
}

std::int32_t ColorCountTable::Get(TColor key) const {
  const std::int32_t i = Find(key, ColorKeyHash(key));
  if (i < 0) throw std::out_of_range("colour not counted");
  return FItems[static_cast<std::size_t>(i)].Value;
}

void ColorCountTable::Set(TColor key, std::int32_t value) {
  const std::int32_t i = Find(key, ColorKeyHash(key));
  if (i < 0) throw std::out_of_range("colour not counted");
  FItems[static_cast<std::size_t>(i)].Value = value;
}

void ColorCountTable::Add(TColor key, std::int32_t value) {
  Insert(key, ColorKeyHash(key), value);
}

void ColorCountTable::Insert(TColor key, std::int32_t hash, std::int32_t value) {
  if (FCount >= FGrowThreshold) Resize(FItems.empty() ? 4u : 2u * static_cast<std::uint32_t>(FItems.size()));
  Slot& slot = FItems[Probe(key, hash)];
  slot = Slot{hash, key, value};
  ++FCount;
}

void ColorCountTable::Increment(TColor key, std::int32_t pixels) {
  const std::int32_t hash = ColorKeyHash(key);
  if (!FItems.empty()) {
    Slot& slot = FItems[Probe(key, hash)];
    if (slot.HashCode != 0) {
      slot.Value += pixels;
      return;
    }
  }
  Insert(key, hash, pixels);
}

void ColorCountTable::Resize(std::uint32_t capacity) {
  std::vector<Slot> old(capacity);
  old.swap(FItems);
  FGrowThreshold = static_cast<std::int32_t>(capacity / 2 + capacity / 4);
  // Old slots move in index order with their stored hashes; the resulting layout is
  // part of what decides ties, so neither order nor hashes may change here.
  for (const Slot& slot : old) {
    if (slot.HashCode != 0) FItems[Probe(slot.Key, slot.HashCode)] = slot;
  }
}

}  // namespace tintara
