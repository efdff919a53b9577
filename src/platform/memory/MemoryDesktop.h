#pragma once

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DesktopServices.h"

namespace tintara {

// An icon as pixel data, drawn the way the platform draws icons.
struct MemoryIcon {
  enum class Kind {
    Alpha32,     // 32-bit colour with per-pixel alpha (the mask is ignored)
    Masked,      // colour bitmap plus AND mask, no alpha
    Monochrome,  // no colour bitmap: AND and XOR masks only
  };
  Kind kind = Kind::Alpha32;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // Alpha32: 0xAARRGGBB per pixel. Masked: 0x00RRGGBB per pixel.
  std::vector<std::uint32_t> pixels;
  // Masked and Monochrome: 1 = keep what lies below (transparent).
  std::vector<std::uint8_t> andMask;
  // Monochrome: where the AND bit is 0, 1 = background colour (white) and 0 = text
  // colour; where it is 1, 1 inverts what lies below.
  std::vector<std::uint8_t> xorMask;
  bool measurable = true;  // false: the handle cannot be measured
  bool drawable = true;    // false: drawing fails and leaves the surface as it was

  static MemoryIcon Solid(std::int32_t width, std::int32_t height, TColor color,
                          std::uint8_t alpha = 0xFF);
  static MemoryIcon MaskedSolid(std::int32_t width, std::int32_t height, TColor color,
                                bool transparent);
  static MemoryIcon MonochromeSolid(std::int32_t width, std::int32_t height, bool andBit,
                                    bool xorBit);
};

struct MemoryWindow {
  std::u16string className;
  IconHandle classSmallIcon = 0;
  IconHandle classBigIcon = 0;
  std::array<IconHandle, 3> ownIcons{};  // WM_GETICON kinds 0, 1, 2
  bool hung = false;                     // icon requests time out
};

// The colorization library as the window manager would serve it.
struct MemoryColorizationLibrary {
  bool present = true;
  bool hasCompositionQuery = true;
  bool hasRead = true;
  bool hasWrite = true;
  HResult compositionResult = 0;
  std::int32_t compositionFlag = 1;
  HResult readResult = 0;  // a negative result leaves the caller's record untouched
  ColorizationParams record{};
  std::vector<ColorizationParams> writes;
  int loads = 0;
  int releases = 0;
};

// A desktop held entirely in memory, with failure injection, for the tests and the
// headless build. Every call is recorded by name in `calls`.
class MemoryDesktop : public DesktopServices {
 public:
  // --- setting the scene ---
  WindowHandle AddWindow(MemoryWindow window);
  WindowHandle AddWindowWithHandle(WindowHandle handle, MemoryWindow window);
  void RemoveWindow(WindowHandle window) { windows.erase(window); }
  IconHandle AddIcon(MemoryIcon icon);
  void SetForeground(WindowHandle window) { foreground = window; }
  // Makes the named operation fail the way the platform reports failure.
  void Fail(std::string_view operation) { failing.insert(std::string(operation)); }
  void Heal(std::string_view operation) { failing.erase(std::string(operation)); }

  std::map<WindowHandle, MemoryWindow> windows;
  std::map<IconHandle, MemoryIcon> icons;
  WindowHandle foreground = 0;
  int iconHeightMetric = 32;
  std::map<int, TColor> systemColors{{kColorWindowText, 0x000000}};
  MemoryColorizationLibrary library;
  std::set<std::string> failing;
  std::vector<std::string> calls;
  // Runs before each operation with its name; a test can change the scene here, for
  // example close a window in the middle of a run.
  std::function<void(std::string_view)> beforeCall;

  // --- DesktopServices ---
  WindowHandle ForegroundWindow() override;
  IconHandle ClassIcon(WindowHandle window, ClassIconKind kind) override;
  IconHandle WindowIcon(WindowHandle window, WindowIconKind kind) override;
  int ReadClassName(WindowHandle window, char16_t* buffer, int capacity) override;
  std::optional<IconSize> MeasureIcon(IconHandle icon) override;
  bool DrawIconOnWhite(IconHandle icon, TColor textColor, RenderedIconBitmap& bitmap) override;
  int IconHeightMetric() override;
  TColor SystemColor(int index) override;
  ModuleHandle LoadColorizationLibrary() override;
  EntryPoint FindEntryByName(ModuleHandle module, const char* name) override;
  EntryPoint FindEntryByOrdinal(ModuleHandle module, std::uint16_t ordinal) override;
  void ReleaseLibrary(ModuleHandle module) override;
  HResult CallCompositionQuery(EntryPoint entry, std::int32_t& enabled) override;
  HResult CallColorizationRead(EntryPoint entry, ColorizationParams& params) override;
  HResult CallColorizationWrite(EntryPoint entry, ColorizationParams& params,
                                std::uint32_t unknown) override;

  static constexpr ModuleHandle kLibraryHandle = 0x7FF80000;
  static constexpr EntryPoint kCompositionEntry = 0x7FF80100;
  static constexpr EntryPoint kReadEntry = 0x7FF80127;
  static constexpr EntryPoint kWriteEntry = 0x7FF80131;

 private:
  // Records the call and tells whether it is to fail.
  bool Enter(std::string_view operation);
  const MemoryWindow* FindWindow(WindowHandle window) const;
  const MemoryIcon* FindIcon(IconHandle icon) const;

  WindowHandle nextWindow_ = 0x00010010;
  IconHandle nextIcon_ = 0x00020000;
};

}  // namespace tintara
