#include "ProcessSample.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <string>

namespace standin {
namespace {

// GDI handles name their table entry by the low 16 bits; a handle with the high bits
// clear is taken for whatever object lives in that entry.
int CountGdiObjects() {
  int count = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

// User handles are even numbers from 0x20 upwards in the low 16 bits, the high bits
// clear standing for any generation. Only this process's icons can be read, so every
// icon found is one of ours. The bitmaps GetIconInfo hands out are freed at once.
int CountIcons() {
  int count = 0;
  for (ULONG_PTR low = 0x20; low <= 0xFFFF; low += 2) {
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(low), &info)) continue;
    ++count;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  }
  return count;
}

bool Ours(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

BOOL CALLBACK CountChild(HWND /*child*/, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
  if (!Ours(window)) return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

int CountWindows() {
  int count = 0;
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
    if (Ours(window)) ++count;
  }
  return count;
}

// Wine fills the working set from the process's VmRSS on Linux; -1 when it cannot be
// read.
long long ResidentKilobytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
  return static_cast<long long>(counters.WorkingSetSize / 1024);
}

}  // namespace

std::string DescribeProcessSample() {
  // GDI first: counting icons makes and frees bitmaps of its own.
  const int gdi = CountGdiObjects();
  const int windows = CountWindows();
  const int icons = CountIcons();
  return "gdi=" + std::to_string(gdi) + " windows=" + std::to_string(windows) +
         " icons=" + std::to_string(icons) + " rss_kb=" + std::to_string(ResidentKilobytes());
}

}  // namespace standin
