#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/PlatformError.h"
#include "platform/win32/DibHeaders.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/HandleCast.h"
#include "platform/win32/SystemLibrary.h"

namespace tintara {
namespace {

using win32::FromNative;
using win32::SystemLibraryPath;
using win32::ToNative;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is shared with the system as is");
static_assert(sizeof(BOOL) == sizeof(std::int32_t), "the composition flag is a 32-bit boolean");

using CompositionQueryFn = HRESULT(WINAPI*)(BOOL*);
using ColorizationReadFn = HRESULT(WINAPI*)(ColorizationParams*);
using ColorizationWriteFn = HRESULT(WINAPI*)(ColorizationParams*, UINT);
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

// GetProcAddress hands out one generic function type; going through void(*)() is the
// sanctioned way to reach the real signature without a cast-function-type warning.
template <typename Fn>
Fn EntryAs(EntryPoint entry) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(static_cast<std::uintptr_t>(entry)));
}

EntryPoint EntryFrom(FARPROC proc) {
  return static_cast<EntryPoint>(reinterpret_cast<std::uintptr_t>(proc));
}

// DIB rows start on 4-byte boundaries; the rendered bitmap's rows are packed.
std::size_t DibStride(std::int32_t width) {
  return (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
}

}  // namespace

WindowHandle Win32Desktop::ForegroundWindow() {
  return FromNative(GetForegroundWindow());
}

IconHandle Win32Desktop::ClassIcon(WindowHandle window, ClassIconKind kind) {
  // GCLP_HICONSM and GCLP_HICON share their values with the kinds.
  return static_cast<IconHandle>(GetClassLongPtrW(ToNative<HWND>(window), static_cast<int>(kind)));
}

IconHandle Win32Desktop::WindowIcon(WindowHandle window, WindowIconKind kind) {
  // A hung application must not freeze the poll: each request waits a short while at
  // most, gives up at once on a window the system already knows to be hung, and a
  // request that gets no answer counts as no icon.
  DWORD_PTR icon = 0;
  const LRESULT answered =
      SendMessageTimeoutW(ToNative<HWND>(window), WM_GETICON, static_cast<WPARAM>(kind), 0,
                          SMTO_ABORTIFHUNG, kIconRequestTimeoutMs, &icon);
  return answered != 0 ? static_cast<IconHandle>(icon) : 0;
}

int Win32Desktop::ReadClassName(WindowHandle window, char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  // Read into a buffer of our own so that a failed read leaves the caller's untouched.
  std::vector<wchar_t> name(static_cast<std::size_t>(capacity));
  const int copied = GetClassNameW(ToNative<HWND>(window), name.data(), capacity);
  if (copied <= 0) return 0;
  const int length = std::min(copied, capacity - 1);
  std::memcpy(buffer, name.data(), static_cast<std::size_t>(length) * sizeof(char16_t));
  buffer[length] = u'\0';
  return length;
}

std::optional<IconSize> Win32Desktop::MeasureIcon(IconHandle icon) {
  ICONINFO info{};
  if (!GetIconInfo(ToNative<HICON>(icon), &info)) return std::nullopt;
  // GetIconInfo hands out copies of both bitmaps; they are ours to delete.
  const win32::Bitmap color(info.hbmColor);
  const win32::Bitmap mask(info.hbmMask);
  if (!color) return std::nullopt;
  BITMAP bits{};
  if (GetObjectW(color.get(), sizeof bits, &bits) != static_cast<int>(sizeof bits)) {
    return std::nullopt;
  }
  return IconSize{bits.bmWidth, bits.bmHeight};
}

namespace {

// Draws the icon over the bitmap's pixels: at its own size, or scaled to the whole
// bitmap.
bool DrawOverBitmap(IconHandle icon, TColor textColor, RenderedIconBitmap& bitmap, bool scaled) {
  const std::int32_t width = bitmap.Width();
  const std::int32_t height = bitmap.Height();
  // No pixel to draw on: the surface cannot even be made, and nothing was drawn.
  if (width <= 0 || height <= 0) return false;

  const win32::MemoryDC dc;
  if (!dc) throw PlatformError("Cannot create a drawing surface for the icon");

  // Rows from the top, like the rendered bitmap.
  BITMAPINFO info = win32::TopDownDib(width, height, 24);
  void* bits = nullptr;
  const win32::Bitmap surface(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!surface || bits == nullptr) {
    throw PlatformError("Cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
                        " bitmap for the icon");
  }
  const win32::SelectionGuard selection(dc.get(), surface.get());
  if (!selection.selected()) throw PlatformError("Cannot select the bitmap for the icon");

  // The icon is drawn over what the bitmap holds (white, as the caller filled it).
  auto* const dib = static_cast<std::uint8_t*>(bits);
  const std::size_t stride = DibStride(width);
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  for (std::int32_t y = 0; y < height; ++y) {
    std::memcpy(dib + static_cast<std::size_t>(y) * stride, bitmap.Row(y), rowBytes);
  }

  // The two colours of a monochrome icon, where the system takes them from the surface
  // (Wine's icon drawing sets black and white itself).
  SetBkColor(dc.get(), RGB(0xFF, 0xFF, 0xFF));
  SetTextColor(dc.get(), static_cast<COLORREF>(textColor & 0x00FFFFFFu));
  // Scaling down keeps whole pixels of the icon: no colour the icon lacks appears, so
  // the most used colour stays one of the icon's own.
  SetStretchBltMode(dc.get(), COLORONCOLOR);
  // Width and height 0: the icon's own size.
  const BOOL drawn = DrawIconEx(dc.get(), 0, 0, ToNative<HICON>(icon), scaled ? width : 0,
                                scaled ? height : 0, 0, nullptr, DI_NORMAL);
  GdiFlush();  // the DIB's memory is only up to date once GDI has finished with it
  if (!drawn) return false;

  for (std::int32_t y = 0; y < height; ++y) {
    std::memcpy(bitmap.Row(y), dib + static_cast<std::size_t>(y) * stride, rowBytes);
  }
  return true;
}

}  // namespace

bool Win32Desktop::DrawIconOnWhite(IconHandle icon, TColor textColor, RenderedIconBitmap& bitmap) {
  return DrawOverBitmap(icon, textColor, bitmap, false);
}

bool Win32Desktop::DrawIconScaledOnWhite(IconHandle icon, TColor textColor,
                                         RenderedIconBitmap& bitmap) {
  return DrawOverBitmap(icon, textColor, bitmap, true);
}

int Win32Desktop::IconHeightMetric() {
  return GetSystemMetrics(SM_CYICON);
}

TColor Win32Desktop::SystemColor(int index) {
  return static_cast<TColor>(GetSysColor(index));
}

ModuleHandle Win32Desktop::LoadColorizationLibrary() {
  // Only the system's own copy: a "dwmapi.dll" beside the program or in the current
  // folder must never be picked up. The altered search path makes the library's own
  // imports resolve from the system folder too, also where the process-wide
  // restriction is not available.
  const std::wstring path = SystemLibraryPath(L"dwmapi.dll");
  if (path.empty()) return 0;
  return FromNative(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

EntryPoint Win32Desktop::FindEntryByName(ModuleHandle module, const char* name) {
  if (module == 0 || name == nullptr) return 0;
  return EntryFrom(GetProcAddress(ToNative<HMODULE>(module), name));
}

EntryPoint Win32Desktop::FindEntryByOrdinal(ModuleHandle module, std::uint16_t ordinal) {
  if (module == 0) return 0;
  return EntryFrom(GetProcAddress(ToNative<HMODULE>(module), MAKEINTRESOURCEA(ordinal)));
}

void Win32Desktop::ReleaseLibrary(ModuleHandle module) {
  if (module != 0) FreeLibrary(ToNative<HMODULE>(module));
}

HResult Win32Desktop::CallCompositionQuery(EntryPoint entry, std::int32_t& enabled) {
  if (entry == 0) return E_POINTER;
  BOOL flag = FALSE;
  const HRESULT result = EntryAs<CompositionQueryFn>(entry)(&flag);
  // A failed query says nothing about composition; the flag is only taken on success.
  if (result == S_OK) enabled = flag;
  return static_cast<HResult>(result);
}

HResult Win32Desktop::CallColorizationRead(EntryPoint entry, ColorizationParams& params) {
  if (entry == 0) return E_POINTER;
  return static_cast<HResult>(EntryAs<ColorizationReadFn>(entry)(&params));
}

HResult Win32Desktop::CallColorizationWrite(EntryPoint entry, ColorizationParams& params,
                                            std::uint32_t unknown) {
  if (entry == 0) return E_POINTER;
  return static_cast<HResult>(EntryAs<ColorizationWriteFn>(entry)(&params, unknown));
}

void RestrictDllSearchToSystemFolder() {
  // Looked up rather than imported: the program must still start on a Windows that
  // lacks the call (Windows 7 without its security update).
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return;
  const FARPROC proc = GetProcAddress(kernel, "SetDefaultDllDirectories");
  if (proc == nullptr) return;
  EntryAs<SetDefaultDllDirectoriesFn>(EntryFrom(proc))(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace tintara
