#pragma once

#include <cstdint>
#include <optional>

#include "platform/RenderedIconBitmap.h"
#include "platform/Types.h"

namespace tintara {

// Which icon of a window class to read.
enum class ClassIconKind : std::int32_t {
  Small = -34,  // GCL_HICONSM
  Big = -14,    // GCL_HICON
};

// The kinds of a window's own icon that WM_GETICON answers for.
enum class WindowIconKind : std::int32_t {
  Small = 0,   // ICON_SMALL
  Big = 1,     // ICON_BIG
  Small2 = 2,  // ICON_SMALL2
};

// System colour indices the logic asks for.
inline constexpr int kColorWindowText = 8;  // COLOR_WINDOWTEXT

// Every operating-system service the program's own logic uses. Nothing above this
// seam touches the platform directly, so the logic runs against an in-memory desktop
// in the tests. Icon handles obtained here belong to their windows: callers borrow
// them and never destroy them.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;

  // --- windows and icons ---------------------------------------------------------

  // The window with the keyboard focus, or 0.
  virtual WindowHandle ForegroundWindow() = 0;
  // The window class's small or large icon; 0 when there is none or the window is gone.
  virtual IconHandle ClassIcon(WindowHandle window, ClassIconKind kind) = 0;
  // The window's own icon (WM_GETICON). Bounded: a window that does not answer in
  // time counts as having no icon.
  virtual IconHandle WindowIcon(WindowHandle window, WindowIconKind kind) = 0;
  // Copies the class name, terminated, into buffer (capacity in UTF-16 units, NUL
  // included). Returns the units copied without the NUL; 0 when it cannot be read,
  // in which case the buffer is left as it was.
  virtual int ReadClassName(WindowHandle window, char16_t* buffer, int capacity) = 0;
  // The size of the icon's colour bitmap; nullopt when the icon has no colour bitmap
  // or cannot be measured.
  virtual std::optional<IconSize> MeasureIcon(IconHandle icon) = 0;
  // Draws the icon at (0, 0) at its own size (DrawIconEx, DI_NORMAL) onto the bitmap,
  // which the caller has sized and filled white, with a white background colour and
  // the given text colour. Returns false when the icon could not be drawn; the bitmap
  // then keeps its white pixels. Throws PlatformError when no drawing surface can be
  // made for the bitmap.
  virtual bool DrawIconOnWhite(IconHandle icon, TColor textColor, RenderedIconBitmap& bitmap) = 0;
  // GetSystemMetrics(SM_CYICON): the standard icon height.
  virtual int IconHeightMetric() = 0;
  // GetSysColor(index) as 0x00BBGGRR.
  virtual TColor SystemColor(int index) = 0;

  // --- the desktop window manager's colorization library -------------------------

  // Loads "dwmapi.dll" from the system folder only; 0 when that fails.
  virtual ModuleHandle LoadColorizationLibrary() = 0;
  virtual EntryPoint FindEntryByName(ModuleHandle module, const char* name) = 0;
  virtual EntryPoint FindEntryByOrdinal(ModuleHandle module, std::uint16_t ordinal) = 0;
  virtual void ReleaseLibrary(ModuleHandle module) = 0;
  // DwmIsCompositionEnabled(&enabled).
  virtual HResult CallCompositionQuery(EntryPoint entry, std::int32_t& enabled) = 0;
  // Entry 127: fills the record with the current colorization.
  virtual HResult CallColorizationRead(EntryPoint entry, ColorizationParams& params) = 0;
  // Entry 131: makes the record the current colorization.
  virtual HResult CallColorizationWrite(EntryPoint entry, ColorizationParams& params,
                                        std::uint32_t unknown) = 0;
};

}  // namespace tintara
