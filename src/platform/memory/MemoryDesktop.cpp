#include "platform/memory/MemoryDesktop.h"

#include <algorithm>

#include "platform/PlatformError.h"

namespace tintara {
namespace {

std::uint8_t Channel(std::uint32_t value, int shift) {
  return static_cast<std::uint8_t>((value >> shift) & 0xFFu);
}

TColor FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

std::uint8_t Blend(std::uint8_t src, std::uint8_t dst, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((src * alpha + dst * (255 - alpha) + 127) / 255);
}

}  // namespace

MemoryIcon MemoryIcon::Solid(std::int32_t width, std::int32_t height, TColor color,
                             std::uint8_t alpha) {
  MemoryIcon icon;
  icon.kind = Kind::Alpha32;
  icon.width = width;
  icon.height = height;
  const std::uint32_t argb = (static_cast<std::uint32_t>(alpha) << 24) |
                             (static_cast<std::uint32_t>(Channel(color, 0)) << 16) |
                             (static_cast<std::uint32_t>(Channel(color, 8)) << 8) |
                             Channel(color, 16);
  icon.pixels.assign(static_cast<std::size_t>(width * height), argb);
  return icon;
}

MemoryIcon MemoryIcon::MaskedSolid(std::int32_t width, std::int32_t height, TColor color,
                                   bool transparent) {
  MemoryIcon icon = Solid(width, height, color, 0);
  icon.kind = Kind::Masked;
  for (auto& p : icon.pixels) p &= 0x00FFFFFFu;
  icon.andMask.assign(icon.pixels.size(), transparent ? 1 : 0);
  return icon;
}

MemoryIcon MemoryIcon::MonochromeSolid(std::int32_t width, std::int32_t height, bool andBit,
                                       bool xorBit) {
  MemoryIcon icon;
  icon.kind = Kind::Monochrome;
  icon.width = width;
  icon.height = height;
  icon.andMask.assign(static_cast<std::size_t>(width * height), andBit ? 1 : 0);
  icon.xorMask.assign(icon.andMask.size(), xorBit ? 1 : 0);
  return icon;
}

WindowHandle MemoryDesktop::AddWindow(MemoryWindow window) {
  const WindowHandle handle = nextWindow_;
  nextWindow_ += 0x10;
  return AddWindowWithHandle(handle, std::move(window));
}

WindowHandle MemoryDesktop::AddWindowWithHandle(WindowHandle handle, MemoryWindow window) {
  windows[handle] = std::move(window);
  return handle;
}

IconHandle MemoryDesktop::AddIcon(MemoryIcon icon) {
  const IconHandle handle = nextIcon_;
  nextIcon_ += 0x10;
  icons[handle] = std::move(icon);
  return handle;
}

bool MemoryDesktop::Enter(std::string_view operation) {
  calls.emplace_back(operation);
  if (beforeCall) beforeCall(operation);
  return failing.count(std::string(operation)) != 0;
}

const MemoryWindow* MemoryDesktop::FindWindow(WindowHandle window) const {
  const auto it = windows.find(window);
  return it == windows.end() ? nullptr : &it->second;
}

const MemoryIcon* MemoryDesktop::FindIcon(IconHandle icon) const {
  const auto it = icons.find(icon);
  return it == icons.end() ? nullptr : &it->second;
}

WindowHandle MemoryDesktop::ForegroundWindow() {
  if (Enter("ForegroundWindow")) return 0;
  return foreground;
}

IconHandle MemoryDesktop::ClassIcon(WindowHandle window, ClassIconKind kind) {
  const bool fail =
      Enter(kind == ClassIconKind::Small ? "ClassIcon(small)" : "ClassIcon(big)") ||
      failing.count("ClassIcon") != 0;
  const MemoryWindow* w = FindWindow(window);
  if (fail || w == nullptr) return 0;
  return kind == ClassIconKind::Small ? w->classSmallIcon : w->classBigIcon;
}

IconHandle MemoryDesktop::WindowIcon(WindowHandle window, WindowIconKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  static constexpr const char* kNames[] = {"WindowIcon(0)", "WindowIcon(1)", "WindowIcon(2)"};
  const bool fail = Enter(kNames[index]) || failing.count("WindowIcon") != 0;
  const MemoryWindow* w = FindWindow(window);
  if (fail || w == nullptr || w->hung) return 0;
  return w->ownIcons[index];
}

int MemoryDesktop::ReadClassName(WindowHandle window, char16_t* buffer, int capacity) {
  const MemoryWindow* w = Enter("ReadClassName") ? nullptr : FindWindow(window);
  if (w == nullptr || capacity <= 0) return 0;
  const int copied = static_cast<int>(
      std::min<std::size_t>(w->className.size(), static_cast<std::size_t>(capacity - 1)));
  std::copy_n(w->className.data(), copied, buffer);
  buffer[copied] = u'\0';
  return copied;
}

std::optional<IconSize> MemoryDesktop::MeasureIcon(IconHandle icon) {
  const MemoryIcon* i = Enter("MeasureIcon") ? nullptr : FindIcon(icon);
  if (i == nullptr || !i->measurable || i->kind == MemoryIcon::Kind::Monochrome) {
    return std::nullopt;
  }
  return IconSize{i->width, i->height};
}

bool MemoryDesktop::DrawIconOnWhite(IconHandle icon, TColor textColor,
                                    RenderedIconBitmap& bitmap) {
  if (failing.count("CreateSurface") != 0) throw PlatformError("Out of system resources");
  const MemoryIcon* i = Enter("DrawIconOnWhite") ? nullptr : FindIcon(icon);
  if (i == nullptr || !i->drawable) return false;
  const std::int32_t w = std::min(i->width, bitmap.Width());
  const std::int32_t h = std::min(i->height, bitmap.Height());
  for (std::int32_t y = 0; y < h; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      const auto k = static_cast<std::size_t>(y * i->width + x);
      const TColor below = bitmap.PixelColor(x, y);
      TColor out = below;
      switch (i->kind) {
        case MemoryIcon::Kind::Alpha32: {
          const std::uint32_t p = i->pixels[k];
          const std::uint8_t a = Channel(p, 24);
          out = FromRgb(Blend(Channel(p, 16), Channel(below, 0), a),
                        Blend(Channel(p, 8), Channel(below, 8), a),
                        Blend(Channel(p, 0), Channel(below, 16), a));
          break;
        }
        case MemoryIcon::Kind::Masked: {
          const std::uint32_t p = i->pixels[k];
          const TColor color = FromRgb(Channel(p, 16), Channel(p, 8), Channel(p, 0));
          out = ((i->andMask[k] != 0 ? below : 0u) ^ color) & 0xFFFFFFu;
          break;
        }
        case MemoryIcon::Kind::Monochrome: {
          // Opaque bits take the text colour (XOR 0) or the white background (XOR 1);
          // transparent bits keep or invert what lies below.
          const bool xorBit = i->xorMask[k] != 0;
          if (i->andMask[k] == 0) {
            out = xorBit ? 0xFFFFFFu : textColor;
          } else {
            out = xorBit ? (~below & 0xFFFFFFu) : below;
          }
          break;
        }
      }
      bitmap.SetPixel(x, y, out);
    }
  }
  return true;
}

int MemoryDesktop::IconHeightMetric() {
  if (Enter("IconHeightMetric")) return 0;
  return iconHeightMetric;
}

TColor MemoryDesktop::SystemColor(int index) {
  if (Enter("SystemColor")) return 0;
  const auto it = systemColors.find(index);
  return it == systemColors.end() ? 0 : it->second;
}

ModuleHandle MemoryDesktop::LoadColorizationLibrary() {
  if (Enter("LoadColorizationLibrary") || !library.present) return 0;
  ++library.loads;
  return kLibraryHandle;
}

EntryPoint MemoryDesktop::FindEntryByName(ModuleHandle module, const char* name) {
  if (Enter(std::string("FindEntry(") + name + ")") || module != kLibraryHandle) return 0;
  if (std::string_view(name) == "DwmIsCompositionEnabled" && library.hasCompositionQuery) {
    return kCompositionEntry;
  }
  return 0;
}

EntryPoint MemoryDesktop::FindEntryByOrdinal(ModuleHandle module, std::uint16_t ordinal) {
  if (Enter("FindEntry(#" + std::to_string(ordinal) + ")") || module != kLibraryHandle) return 0;
  if (ordinal == 127 && library.hasRead) return kReadEntry;
  if (ordinal == 131 && library.hasWrite) return kWriteEntry;
  return 0;
}

void MemoryDesktop::ReleaseLibrary(ModuleHandle module) {
  Enter("ReleaseLibrary");
  if (module == kLibraryHandle) ++library.releases;
}

HResult MemoryDesktop::CallCompositionQuery(EntryPoint entry, std::int32_t& enabled) {
  if (Enter("CompositionQuery") || entry != kCompositionEntry) return -1;
  if (library.compositionResult == 0) enabled = library.compositionFlag;
  return library.compositionResult;
}

HResult MemoryDesktop::CallColorizationRead(EntryPoint entry, ColorizationParams& params) {
  if (Enter("ColorizationRead") || entry != kReadEntry) return -1;
  if (library.readResult >= 0) params = library.record;
  return library.readResult;
}

HResult MemoryDesktop::CallColorizationWrite(EntryPoint entry, ColorizationParams& params,
                                             std::uint32_t /*unknown*/) {
  if (Enter("ColorizationWrite") || entry != kWriteEntry) return -1;
  library.record = params;
  library.writes.push_back(params);
  return 0;
}

}  // namespace tintara
