#include "PeerScript.h"

#include <array>
#include <optional>

namespace standin {
namespace {

struct NamedColor {
  std::wstring_view name;
  COLORREF color;
};

constexpr std::array kColors{
    NamedColor{L"red", RGB(0xFF, 0x00, 0x00)},    NamedColor{L"green", RGB(0x00, 0xFF, 0x00)},
    NamedColor{L"blue", RGB(0x00, 0x00, 0xFF)},   NamedColor{L"yellow", RGB(0xFF, 0xFF, 0x00)},
    NamedColor{L"orange", RGB(0xFF, 0x80, 0x00)}, NamedColor{L"purple", RGB(0x80, 0x00, 0xFF)},
    NamedColor{L"cyan", RGB(0x00, 0xFF, 0xFF)},   NamedColor{L"magenta", RGB(0xFF, 0x00, 0xFF)},
    NamedColor{L"white", RGB(0xFF, 0xFF, 0xFF)},  NamedColor{L"black", RGB(0x00, 0x00, 0x00)},
    NamedColor{L"gray", RGB(0x80, 0x80, 0x80)},
};

std::optional<COLORREF> ColorNamed(std::wstring_view name) {
  for (const NamedColor& entry : kColors) {
    if (entry.name == name) return entry.color;
  }
  return std::nullopt;
}

std::optional<IconSource> SourceNamed(std::wstring_view name) {
  if (name.empty() || name == L"class") return IconSource::ClassIcons;
  if (name == L"wmgeticon") return IconSource::AllKinds;
  if (name == L"wmsmall") return IconSource::SmallOnly;
  if (name == L"wmbig") return IconSource::BigOnly;
  if (name == L"wmsmall2") return IconSource::Small2Only;
  return std::nullopt;
}

std::optional<PeerOrder> ParseItem(std::wstring_view item) {
  PeerOrder order;
  order.name = std::wstring(item);
  if (item == L"stuck") {
    order.kind = PeerKind::Stuck;
    return order;
  }
  if (item == L"noicon") {
    order.kind = PeerKind::NoIcon;
    return order;
  }
  std::wstring_view look = item;
  std::wstring_view source;
  if (const std::size_t colon = item.find(L':'); colon != std::wstring_view::npos) {
    look = item.substr(0, colon);
    source = item.substr(colon + 1);
  }
  const auto iconSource = SourceNamed(source);
  if (!iconSource) return std::nullopt;
  order.source = *iconSource;

  std::size_t digits = look.size();
  while (digits > 0 && look[digits - 1] >= L'0' && look[digits - 1] <= L'9') --digits;
  if (digits < look.size()) {
    if (look.size() - digits > 3) return std::nullopt;
    order.size = 0;
    for (std::size_t i = digits; i < look.size(); ++i)
      order.size = order.size * 10 + (look[i] - L'0');
    if (order.size < 4 || order.size > 256) return std::nullopt;
  }
  look = look.substr(0, digits);

  std::wstring_view centreName = look;
  std::wstring_view backgroundName = look;
  if (const std::size_t on = look.find(L"on"); on != std::wstring_view::npos && on > 0) {
    centreName = look.substr(0, on);
    backgroundName = look.substr(on + 2);
  }
  const auto centre = ColorNamed(centreName);
  const auto background = ColorNamed(backgroundName);
  if (!centre || !background) return std::nullopt;
  order.centre = *centre;
  order.background = *background;
  return order;
}

}  // namespace

PeerScript ParsePeerScript(std::wstring_view script) {
  PeerScript result;
  while (!script.empty()) {
    const std::size_t comma = script.find(L',');
    std::wstring item(script.substr(0, comma));
    script = comma == std::wstring_view::npos ? std::wstring_view{} : script.substr(comma + 1);
    std::erase(item, L' ');
    if (item.empty()) continue;
    if (auto order = ParseItem(item)) {
      result.peers.push_back(std::move(*order));
    } else {
      result.rejected.push_back(std::move(item));
    }
  }
  return result;
}

}  // namespace standin
