#include "platform/memory/MemoryDesktop.h"

#include <algorithm>

#include "platform/PlatformError.h"
#include "platform/memory/ProfileText.h"

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
  if (alpha == 0) {
    // Stored the way icon editors store a fully transparent image: black colour under
    // a set mask, which is what is drawn when the alpha channel is empty.
    icon.pixels.assign(icon.pixels.size(), 0);
    icon.andMask.assign(icon.pixels.size(), 1);
  }
  return icon;
}

MemoryIcon MemoryIcon::MaskedSolid(std::int32_t width, std::int32_t height, TColor color,
                                   bool transparent) {
  MemoryIcon icon = Solid(width, height, color, 0xFF);
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
  const bool fail = Enter(kind == ClassIconKind::Small ? "ClassIcon(small)" : "ClassIcon(big)") ||
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
  return IconSize{i->width, i->negativeHeight ? -i->height : i->height};
}

bool MemoryDesktop::DrawIconOnWhite(IconHandle icon, TColor textColor, RenderedIconBitmap& bitmap) {
  return DrawIcon("DrawIconOnWhite", icon, textColor, bitmap, false);
}

bool MemoryDesktop::DrawIconScaledOnWhite(IconHandle icon, TColor textColor,
                                          RenderedIconBitmap& bitmap) {
  return DrawIcon("DrawIconScaledOnWhite", icon, textColor, bitmap, true);
}

bool MemoryDesktop::DrawIcon(std::string_view operation, IconHandle icon, TColor textColor,
                             RenderedIconBitmap& bitmap, bool scaled) {
  if (failing.count("CreateSurface") != 0) throw PlatformError("Out of system resources");
  const MemoryIcon* i = Enter(operation) ? nullptr : FindIcon(icon);
  if (i == nullptr || !i->drawable) return false;
  const std::int32_t w = scaled ? bitmap.Width() : std::min(i->width, bitmap.Width());
  const std::int32_t h = scaled ? bitmap.Height() : std::min(i->height, bitmap.Height());
  const auto source = [&](std::int32_t at, std::int32_t iconSide, std::int32_t bitmapSide) {
    return scaled ? static_cast<std::int32_t>(std::int64_t{at} * iconSide / bitmapSide) : at;
  };
  // A 32-bit image whose alpha channel is empty everywhere is drawn through its mask,
  // as the platform does; a missing mask counts as opaque.
  MemoryIcon::Kind kind = i->kind;
  if (kind == MemoryIcon::Kind::Alpha32 &&
      std::all_of(i->pixels.begin(), i->pixels.end(),
                  [](std::uint32_t p) { return p >> 24 == 0; })) {
    kind = MemoryIcon::Kind::Masked;
  }
  for (std::int32_t y = 0; y < h; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      const auto k =
          static_cast<std::size_t>(source(y, i->height, h) * i->width + source(x, i->width, w));
      const TColor below = bitmap.PixelColor(x, y);
      TColor out = below;
      switch (kind) {
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
          const bool transparent = k < i->andMask.size() && i->andMask[k] != 0;
          out = ((transparent ? below : 0u) ^ color) & 0xFFFFFFu;
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

// --- profile files, the per-user registry, the running program, message boxes ---

MemoryRegistryValue MemoryRegistryValue::String(std::u16string_view text) {
  MemoryRegistryValue value;
  value.type = RegistryValueType::String;
  for (const char16_t c : text) {
    value.data.push_back(static_cast<std::uint8_t>(c & 0xFFu));
    value.data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  value.data.insert(value.data.end(), {0, 0});
  return value;
}

MemoryRegistryValue MemoryRegistryValue::Dword(std::uint32_t number) {
  MemoryRegistryValue value;
  value.type = RegistryValueType::Dword;
  for (int shift = 0; shift < 32; shift += 8) value.data.push_back(Channel(number, shift));
  return value;
}

std::u16string MemoryRegistryValue::Text() const {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (c == u'\0') break;
    text.push_back(c);
  }
  return text;
}

bool MemoryDesktop::ProfileWritable(std::u16string_view file) const {
  if (readOnlyFiles.count(file) != 0) return false;
  for (const auto& folder : refusingFolders) {
    std::u16string prefix = folder;
    if (prefix.empty() || prefix.back() != u'\\') prefix.push_back(u'\\');
    if (file.size() > prefix.size() && EqualIgnoringCase(file.substr(0, prefix.size()), prefix)) {
      return false;
    }
  }
  return true;
}

std::u16string MemoryDesktop::ReadProfileValue(std::u16string_view file,
                                               std::u16string_view section, std::u16string_view key,
                                               std::u16string_view defaultValue, int capacity) {
  std::u16string value(defaultValue);
  if (!Enter("ReadProfileValue")) {
    const auto it = profileFiles.find(file);
    if (it != profileFiles.end()) {
      if (auto found = FindProfileValue(it->second, section, key)) value = std::move(*found);
    }
  }
  if (capacity <= 0) return {};
  if (value.size() >= static_cast<std::size_t>(capacity)) {
    value.resize(static_cast<std::size_t>(capacity - 1));
  }
  return value;
}

bool MemoryDesktop::WriteProfileValue(std::u16string_view file, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value) {
  if (Enter("WriteProfileValue") || !ProfileWritable(file)) return false;
  std::u16string& text = profileFiles[std::u16string(file)];
  text = WithProfileValue(text, section, key, value);
  return true;
}

void MemoryDesktop::FlushProfile(std::u16string_view /*file*/) {
  // Writes reach the files at once; only the request is recorded.
  Enter("FlushProfile");
}

MemoryRegistryKey* MemoryDesktop::FindOpenKey(RegistryKeyHandle key) {
  const auto open = openKeys.find(key);
  if (open == openKeys.end()) return nullptr;
  const auto it = userKeys.find(open->second);
  return it == userKeys.end() ? nullptr : &it->second;
}

RegistryKeyHandle MemoryDesktop::OpenUserKey(std::u16string_view path) {
  if (Enter("OpenUserKey") || userKeys.count(path) == 0) return 0;
  const RegistryKeyHandle handle = nextKey_;
  nextKey_ += 0x10;
  openKeys[handle] = std::u16string(path);
  return handle;
}

bool MemoryDesktop::RegistryValueExists(RegistryKeyHandle key, std::u16string_view name) {
  MemoryRegistryKey* k = Enter("RegistryValueExists") ? nullptr : FindOpenKey(key);
  return k != nullptr && k->values.count(name) != 0;
}

bool MemoryDesktop::SetRegistryString(RegistryKeyHandle key, std::u16string_view name,
                                      std::u16string_view data) {
  MemoryRegistryKey* k = Enter("SetRegistryString") ? nullptr : FindOpenKey(key);
  if (k == nullptr || k->refusesWrites) return false;
  k->values[std::u16string(name)] = MemoryRegistryValue::String(data);
  return true;
}

bool MemoryDesktop::DeleteRegistryValue(RegistryKeyHandle key, std::u16string_view name) {
  MemoryRegistryKey* k = Enter("DeleteRegistryValue") ? nullptr : FindOpenKey(key);
  if (k == nullptr || k->refusesDeletes) return false;
  const auto it = k->values.find(name);
  if (it == k->values.end()) return false;
  k->values.erase(it);
  return true;
}

void MemoryDesktop::CloseRegistryKey(RegistryKeyHandle key) {
  Enter("CloseRegistryKey");
  openKeys.erase(key);
}

std::u16string MemoryDesktop::ModuleFileName() {
  if (Enter("ModuleFileName")) return {};
  return moduleFileName;
}

std::u16string MemoryDesktop::CommandLine() {
  Enter("CommandLine");
  return commandLine;
}

MessageAnswer MemoryDesktop::ShowMessageBox(std::u16string_view caption, std::u16string_view text,
                                            MessageIcon icon, MessageButtons buttons) {
  MessageAnswer answer = buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  if (Enter("ShowMessageBox")) {
    answer = MessageAnswer::Closed;
  } else if (!messageAnswers.empty()) {
    answer = messageAnswers.front();
    messageAnswers.pop_front();
  }
  messageBoxes.push_back({std::u16string(caption), std::u16string(text), icon, buttons, answer});
  return answer;
}

}  // namespace tintara
