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
  bool DrawIconScaledOnWhite(IconHandle icon, TColor textColor,
                             RenderedIconBitmap& bitmap) override;
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

  // --- profile files, the per-user registry, the running program, message boxes ---
  // (Win32DesktopSettings.cpp)
  std::u16string ReadProfileValue(std::u16string_view file, std::u16string_view section,
                                  std::u16string_view key, std::u16string_view defaultValue,
                                  int capacity) override;
  bool WriteProfileValue(std::u16string_view file, std::u16string_view section,
                         std::u16string_view key, std::u16string_view value) override;
  void FlushProfile(std::u16string_view file) override;
  RegistryKeyHandle OpenUserKey(std::u16string_view path) override;
  bool RegistryValueExists(RegistryKeyHandle key, std::u16string_view name) override;
  bool SetRegistryString(RegistryKeyHandle key, std::u16string_view name,
                         std::u16string_view data) override;
  bool DeleteRegistryValue(RegistryKeyHandle key, std::u16string_view name) override;
  void CloseRegistryKey(RegistryKeyHandle key) override;
  std::u16string ModuleFileName() override;
  std::u16string CommandLine() override;
  MessageAnswer ShowMessageBox(std::u16string_view caption, std::u16string_view text,
                               MessageIcon icon, MessageButtons buttons) override;

  // --- window shape, moving and showing --- (Win32DesktopWindows.cpp)
  RegionHandle CreateRoundRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                     std::int32_t y2, std::int32_t ellipseWidth,
                                     std::int32_t ellipseHeight) override;
  RegionHandle CreateRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                std::int32_t y2) override;
  bool CombineRegionsOr(RegionHandle destination, RegionHandle first, RegionHandle second) override;
  bool DeleteRegion(RegionHandle region) override;
  std::int32_t SetWindowRegion(WindowHandle window, RegionHandle region, bool redraw) override;
  void ReleaseMouseCapture() override;
  std::int64_t SendSystemCommand(WindowHandle window, std::uint32_t command,
                                 std::int64_t lParam) override;
  bool RestoreWindow(WindowHandle window) override;
  Rect DesktopBounds() override;
  std::int32_t PrimaryScreenWidth() override;
  Rect WindowBounds(WindowHandle window) override;

  // --- the icon export: an icon's image and files --- (Win32DesktopFiles.cpp)
  std::optional<IconImage> ReadIconImage(IconHandle icon) override;
  std::u16string FullPathName(std::u16string_view path) override;
  NewFile CreateNewFile(std::u16string_view path) override;
  std::size_t WriteFileBytes(FileHandle file, const std::uint8_t* data, std::size_t size) override;
  bool CloseWrittenFile(FileHandle file) override;
  void AbandonFile(FileHandle file) override;
  FileOutcome MoveFileReplacing(std::u16string_view from, std::u16string_view to) override;
  bool RemoveFile(std::u16string_view path) override;

  // How long one WM_GETICON request may wait for the window's thread.
  static constexpr unsigned kIconRequestTimeoutMs = 200;
};

// Restricts the process's DLL search to the system folder where the platform
// supports it; called first thing in the program entry.
void RestrictDllSearchToSystemFolder();

}  // namespace tintara
