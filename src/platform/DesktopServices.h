#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/IconImage.h"
#include "platform/RenderedIconBitmap.h"
#include "platform/SettingsServiceTypes.h"
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

// A region of the window system; 0 means none. Whoever created it deletes it, unless a
// window took it over (SetWindowRegion).
using RegionHandle = std::uint64_t;

// WM_SYSCOMMAND with the move command combined with the caption hit code: the window
// follows the pointer until the button is released.
inline constexpr std::uint32_t kSysCommandDragMove = 0xF012;

// A file opened for writing; 0 means none.
using FileHandle = std::uint64_t;

// A new file, or why there is none.
struct NewFile {
  FileHandle handle = 0;
  // The name was taken already; nothing was created.
  bool nameTaken = false;
  // The platform's own text for the failure, as it words it.
  std::u16string errorText;
};

// Whether a file operation succeeded, and the platform's own text when it did not.
struct FileOutcome {
  bool ok = true;
  std::u16string errorText;
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
  // The same, with the icon scaled by the system's icon drawing to fill the whole
  // bitmap (DrawIconEx with the bitmap's width and height): for icons too large to be
  // drawn at their own size.
  virtual bool DrawIconScaledOnWhite(IconHandle icon, TColor textColor,
                                     RenderedIconBitmap& bitmap) = 0;
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

  // --- profile (INI) files -------------------------------------------------------

  // GetPrivateProfileStringW with a buffer of `capacity` UTF-16 units, terminator
  // included: at most capacity - 1 units of the value, and the default (cut the same
  // way) when the file, the section or the key is missing or cannot be read.
  virtual std::u16string ReadProfileValue(std::u16string_view file, std::u16string_view section,
                                          std::u16string_view key, std::u16string_view defaultValue,
                                          int capacity) = 0;
  // WritePrivateProfileStringW for one value, creating the file and the section when
  // they are missing. False when the write is refused.
  virtual bool WriteProfileValue(std::u16string_view file, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value) = 0;
  // WritePrivateProfileStringW with section, key and value all absent: puts what the
  // profile service still holds for the file on disk. Its outcome tells nothing
  // dependable (some implementations always report failure), so there is none.
  virtual void FlushProfile(std::u16string_view file) = 0;

  // --- the per-user registry -----------------------------------------------------

  // Opens a key under HKEY_CURRENT_USER for full access, never creating it; 0 when it
  // cannot be opened. Every key opened here is closed with CloseRegistryKey.
  virtual RegistryKeyHandle OpenUserKey(std::u16string_view path) = 0;
  // Whether a value of that name exists, whatever its type; false for key 0.
  virtual bool RegistryValueExists(RegistryKeyHandle key, std::u16string_view name) = 0;
  // Sets a REG_SZ value, replacing any value of that name and type: the text and its
  // terminating NUL, (length + 1) * 2 bytes. False when refused or for key 0.
  virtual bool SetRegistryString(RegistryKeyHandle key, std::u16string_view name,
                                 std::u16string_view data) = 0;
  // False when the value is absent, the delete is refused, or for key 0.
  virtual bool DeleteRegistryValue(RegistryKeyHandle key, std::u16string_view name) = 0;
  virtual void CloseRegistryKey(RegistryKeyHandle key) = 0;

  // --- the running program -------------------------------------------------------

  // GetModuleFileNameW for the program's own module: the full path of the executable.
  virtual std::u16string ModuleFileName() = 0;
  // GetCommandLineW: the whole command line, program path included.
  virtual std::u16string CommandLine() = 0;

  // --- window shape, moving and showing (Win32DesktopWindows.cpp) ----------------

  // CreateRoundRectRgn: the rectangle (x1, y1)-(x2, y2) with corners cut by an ellipse
  // of the given size; as the system does it, the right and bottom edges stay out, so
  // the region covers x1 .. x2 - 2 and y1 .. y2 - 2. 0 when refused.
  virtual RegionHandle CreateRoundRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                             std::int32_t y2, std::int32_t ellipseWidth,
                                             std::int32_t ellipseHeight) = 0;
  // CreateRectRgn: x1 .. x2 - 1 and y1 .. y2 - 1. 0 when refused.
  virtual RegionHandle CreateRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                        std::int32_t y2) = 0;
  // CombineRgn(destination, first, second, RGN_OR); false when it reports an error.
  virtual bool CombineRegionsOr(RegionHandle destination, RegionHandle first,
                                RegionHandle second) = 0;
  // DeleteObject on a region the caller still owns.
  virtual bool DeleteRegion(RegionHandle region) = 0;
  // SetWindowRgn(window, region, redraw): non-zero on success, after which the window
  // owns the region; after 0 the caller still owns it and must delete it.
  virtual std::int32_t SetWindowRegion(WindowHandle window, RegionHandle region, bool redraw) = 0;
  // ReleaseCapture.
  virtual void ReleaseMouseCapture() = 0;
  // SendMessageW(window, WM_SYSCOMMAND, command, lParam); returns the window's answer.
  virtual std::int64_t SendSystemCommand(WindowHandle window, std::uint32_t command,
                                         std::int64_t lParam) = 0;
  // ShowWindow(window, SW_RESTORE): a minimised window comes back at its former place
  // and becomes active. True when the window was visible before.
  virtual bool RestoreWindow(WindowHandle window) = 0;
  // The bounding rectangle of all monitors (the virtual screen).
  virtual Rect DesktopBounds() = 0;
  // GetSystemMetrics(SM_CXSCREEN): the width of the primary screen.
  virtual std::int32_t PrimaryScreenWidth() = 0;
  // Where the window is on the screen and its size (GetWindowRect); empty when it is
  // gone.
  virtual Rect WindowBounds(WindowHandle window) = 0;

  // --- the icon export: an icon's image and files (Win32DesktopFiles.cpp) ------------

  // The icon's colour image at its own depth with its colour table, the section header
  // it may carry, and its mask, as plain data (GetIconInfo, GetObjectW, GetDIBits on a
  // memory DC; both bitmaps released). Nothing when the icon has no colour image (a
  // monochrome icon) or cannot be read (its owner has destroyed it).
  virtual std::optional<IconImage> ReadIconImage(IconHandle icon) = 0;
  // GetFullPathNameW: the name expanded to a full path; the name itself when it cannot
  // be expanded.
  virtual std::u16string FullPathName(std::u16string_view path) = 0;
  // Creates a file of that name for exclusive writing, never replacing one.
  virtual NewFile CreateNewFile(std::u16string_view path) = 0;
  // Writes the bytes at the end of the file; how many were written.
  virtual std::size_t WriteFileBytes(FileHandle file, const std::uint8_t* data,
                                     std::size_t size) = 0;
  // Puts what was written on the disk and closes the file; false when either fails.
  virtual bool CloseWrittenFile(FileHandle file) = 0;
  // Closes a file that is given up, without waiting for the disk.
  virtual void AbandonFile(FileHandle file) = 0;
  // Moves a closed file to another name in the same folder, replacing a file of that
  // name as one step (MoveFileExW, replacing, written through).
  virtual FileOutcome MoveFileReplacing(std::u16string_view from, std::u16string_view to) = 0;
  virtual bool RemoveFile(std::u16string_view path) = 0;

  // --- message boxes -------------------------------------------------------------

  // A modal box owned by the program's active window; the first button is the
  // default one.
  virtual MessageAnswer ShowMessageBox(std::u16string_view caption, std::u16string_view text,
                                       MessageIcon icon, MessageButtons buttons) = 0;
};

}  // namespace tintara
