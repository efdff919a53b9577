#pragma once

#include "platform/DesktopServices.h"

namespace tintara {

// The real desktop. Handles it creates are owned by RAII wrappers and released on
// every path; icons read from other windows are borrowed and never destroyed.
class Win32Desktop final : public DesktopServices {
 public:
  Win32Desktop() = default;

  // --- windows, icons and the colorization library ---
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

  // How long one WM_GETICON request may wait for the window's thread.
  static constexpr unsigned kIconRequestTimeoutMs = 200;
};

// Restricts the process's DLL search to the system folder where the platform
// supports it; called first thing in the program entry.
void RestrictDllSearchToSystemFolder();

}  // namespace tintara
