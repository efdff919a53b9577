#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DesktopServices.h"
#include "platform/memory/CaseInsensitive.h"

namespace tintara {

// An icon as pixel data, drawn the way the platform draws icons.
struct MemoryIcon {
  enum class Kind {
    Alpha32,     // 32-bit colour with per-pixel alpha; drawn through the mask when
                 // every alpha is 0
    Masked,      // colour bitmap plus AND mask, no alpha
    Monochrome,  // no colour bitmap: AND and XOR masks only
  };
  Kind kind = Kind::Alpha32;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // Alpha32: 0xAARRGGBB per pixel. Masked: 0x00RRGGBB per pixel.
  std::vector<std::uint32_t> pixels;
  // 1 = keep what lies below (transparent); missing entries count as 0.
  std::vector<std::uint8_t> andMask;
  // Monochrome: where the AND bit is 0, 1 = background colour (white) and 0 = text
  // colour; where it is 1, 1 inverts what lies below.
  std::vector<std::uint8_t> xorMask;
  bool measurable = true;  // false: the handle cannot be measured
  // Measuring reports the height negated, as a program's bitmap may carry it.
  bool negativeHeight = false;
  bool drawable = true;  // false: drawing fails and leaves the surface as it was
  // What reading its image gives; none: made from the pixels at 32 bits (a monochrome
  // icon has no colour image to read).
  std::optional<IconImage> image;

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

// Where a window is and how it is shown, as the window system keeps it.
struct MemoryWindowPlacement {
  std::u16string title;
  Rect bounds;  // screen position and size
  bool visible = false;
  bool minimized = false;
  bool maximized = false;
};

// A region as the window system keeps it: a union of rectangles and rounded rectangles.
struct MemoryRegion {
  struct Part {
    Rect box;      // the pixels covered before the corners are cut
    Size ellipse;  // corner ellipse; 0 x 0 for a plain rectangle
  };
  std::vector<Part> parts;
  WindowHandle owner = 0;  // the window that took it over, 0 while the program owns it

  // Whether the pixel (its centre) lies inside.
  bool Contains(Point pixel) const;
};

// One region operation, with its arguments and its result, as the platform saw it.
struct MemoryRegionCall {
  std::string op;  // "CreateRoundRectRgn", "CreateRectRgn", "CombineRgn", "DeleteObject",
                   // "SetWindowRgn"
  std::vector<std::int64_t> args;
  std::int64_t result = 0;
  friend bool operator==(const MemoryRegionCall&, const MemoryRegionCall&) = default;
};

// A WM_SYSCOMMAND as it was sent.
struct MemorySystemCommand {
  WindowHandle window = 0;
  std::uint32_t command = 0;
  std::int64_t lParam = 0;
  bool afterCaptureRelease = false;  // ReleaseCapture was the call just before
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

// Registry value types as the registry numbers them.
enum class RegistryValueType : std::uint32_t {
  String = 1,        // REG_SZ
  ExpandString = 2,  // REG_EXPAND_SZ
  Binary = 3,        // REG_BINARY
  Dword = 4,         // REG_DWORD
};

// A registry value as stored: its type and its bytes.
struct MemoryRegistryValue {
  RegistryValueType type = RegistryValueType::String;
  std::vector<std::uint8_t> data;

  // REG_SZ: the UTF-16 text and its terminating NUL, little-endian.
  static MemoryRegistryValue String(std::u16string_view text);
  static MemoryRegistryValue Dword(std::uint32_t value);
  // The data read as UTF-16 text up to the first NUL or the end.
  std::u16string Text() const;
};

struct MemoryRegistryKey {
  std::map<std::u16string, MemoryRegistryValue, CaseInsensitiveLess> values;
  bool refusesWrites = false;
  bool refusesDeletes = false;
};

// One message box as it was asked for, with the answer it gave.
struct MemoryMessageBox {
  std::u16string caption;
  std::u16string text;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer answer = MessageAnswer::Closed;
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

  static constexpr ModuleHandle kLibraryHandle = 0x7FF80000;
  static constexpr EntryPoint kCompositionEntry = 0x7FF80100;
  static constexpr EntryPoint kReadEntry = 0x7FF80127;
  static constexpr EntryPoint kWriteEntry = 0x7FF80131;

  // --- profile files, the per-user registry, the running program, message boxes ---

  // Profile files by full path, as text. A file in a refusing folder (or below it)
  // can be neither created nor changed; a read-only file can be read, not written.
  std::map<std::u16string, std::u16string, CaseInsensitiveLess> profileFiles;
  std::set<std::u16string, CaseInsensitiveLess> readOnlyFiles;
  std::set<std::u16string, CaseInsensitiveLess> refusingFolders;

  // Keys under HKEY_CURRENT_USER by path; a path not listed cannot be opened.
  std::map<std::u16string, MemoryRegistryKey, CaseInsensitiveLess> userKeys;
  // Handles handed out and not closed yet, with the path each one opened.
  std::map<RegistryKeyHandle, std::u16string> openKeys;
  MemoryRegistryKey& AddUserKey(std::u16string_view path) { return userKeys[std::u16string(path)]; }

  std::u16string moduleFileName = u"C:\\Program Files\\Tintara\\Tintara.exe";
  std::u16string commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\"";

  // Every box shown, in order. Answers are taken from the front of the script; once it
  // is used up a box answers with its default button, as if Enter had been pressed.
  std::vector<MemoryMessageBox> messageBoxes;
  std::deque<MessageAnswer> messageAnswers;

  // --- window shape, moving and showing ---

  // Placement of the windows that have one (the program's own).
  std::map<WindowHandle, MemoryWindowPlacement> placements;
  // Live regions by handle: created and neither deleted nor freed with their window.
  std::map<RegionHandle, MemoryRegion> regions;
  std::map<WindowHandle, RegionHandle> windowRegions;
  std::vector<MemoryRegionCall> regionCalls;
  std::vector<MemorySystemCommand> systemCommands;
  std::vector<WindowHandle> restoredWindows;
  Rect desktopBounds{0, 0, 1920, 1080};
  std::int32_t primaryScreenWidth = 1920;

  // Whether a pixel of the window (window coordinates) lies inside its outline: its
  // region when it has one, otherwise its rectangle.
  bool WindowContains(WindowHandle window, Point pixel) const;
  // The windows that were made to follow the pointer: WM_SYSCOMMAND 0xF012 right after
  // ReleaseCapture.
  std::vector<WindowHandle> DragStarts() const;
  // Takes a window of the program away with what the system frees with it.
  void DestroyWindow(WindowHandle window);

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

  // --- the icon export: files ---

  // Files by full path. In a refusing folder (or below it) nothing can be created or
  // moved to; a read-only file cannot be replaced. Failures give the texts below.
  std::map<std::u16string, std::vector<std::uint8_t>, CaseInsensitiveLess> files;
  // Where names without a folder are expanded from.
  std::u16string currentFolder = u"C:\\Users\\Tintara\\Documents";
  // Writes stop once the files opened for writing hold this many bytes (a full disk).
  std::optional<std::size_t> writeLimit;
  // Handles handed out and not closed yet, with the path each one writes.
  std::map<FileHandle, std::u16string> openFiles;
  static constexpr std::u16string_view kAccessDenied = u"Access is denied.\r\n";
  static constexpr std::u16string_view kPathNotFound =
      u"The system cannot find the path specified.\r\n";

  std::optional<IconImage> ReadIconImage(IconHandle icon) override;
  std::u16string FullPathName(std::u16string_view path) override;
  NewFile CreateNewFile(std::u16string_view path) override;
  std::size_t WriteFileBytes(FileHandle file, const std::uint8_t* data, std::size_t size) override;
  bool CloseWrittenFile(FileHandle file) override;
  void AbandonFile(FileHandle file) override;
  FileOutcome MoveFileReplacing(std::u16string_view from, std::u16string_view to) override;
  bool RemoveFile(std::u16string_view path) override;

 private:
  bool InRefusingFolder(std::u16string_view path) const;
  FileHandle nextFile_ = 0x00000F00;

  // Records the call and tells whether it is to fail.
  bool Enter(std::string_view operation);
  const MemoryWindow* FindWindow(WindowHandle window) const;
  const MemoryIcon* FindIcon(IconHandle icon) const;
  // Both icon drawings; scaled: the nearest icon pixel for each bitmap pixel.
  bool DrawIcon(std::string_view operation, IconHandle icon, TColor textColor,
                RenderedIconBitmap& bitmap, bool scaled);

  WindowHandle nextWindow_ = 0x00010010;
  IconHandle nextIcon_ = 0x00020000;

  bool ProfileWritable(std::u16string_view file) const;
  MemoryRegistryKey* FindOpenKey(RegistryKeyHandle key);
  RegistryKeyHandle nextKey_ = 0x00000A00;
  RegionHandle NewRegion(MemoryRegion region);
  RegionHandle nextRegion_ = 0x00030000;
};

}  // namespace tintara
