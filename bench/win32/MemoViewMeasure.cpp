// Side-by-side figures for the log's on-screen view under Wine or Windows: the memo's own
// window (MemoWindow) and, for comparison, the system's multi-line EDIT fed the
// incremental way (EM_SETSEL at the end, EM_REPLACESEL). For 100, 10,000 and 100,000
// lines of the real log line: one append with its repaint, one page of scrolling, a
// selection dragged over the rows in view, and the memory each line costs.
//
//   memo_view_measure.exe [--edit] [lines...]
//
// Without --edit only the memo's window is measured (the EDIT takes minutes at 100,000
// lines); the line counts default to 100, 10000 and 100000.
#include <windows.h>
// After the base declarations, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/Win32Desktop.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/Memo.h"
#include "widgets/win32/Win32Backend.h"
#include "widgets/win32/Win32FormWindow.h"

namespace {

using namespace tintara;

constexpr wchar_t kLine[] =
    L"Intensity 70 - Color 00FF0000 - Color Afterglow 6B3C78B4 - Color AfterglowBalance 32 - "
    L"Color BlurBalance 53 - Color GlassReflectionIntensity 80";

double Now() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

double PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage);
}

Font LogFont() {
  Font font;
  font.family = u"Consolas";
  font.sizePt = 9;
  font.heightPx = 12;
  return font;
}

// The details window's memo box on a form of its own.
class MeasureForm : public Form {
 public:
  explicit MeasureForm(Application& application) : Form(application) {
    SetBounds({0, 0, 600, 328});
    memo.SetBounds({56, 120, 530, 193});
    memo.SetFont(LogFont());
    memo.SetParent(this);
    CreateHandle();
  }
  ~MeasureForm() override { DestroyHandle(); }
  HWND MemoHandle() const {
    return static_cast<win32::Win32FormWindow*>(Window())->Natives().WindowOf(memo);
  }
  Memo memo;
};

struct Figures {
  double appendMs = 0;
  double pageMs = 0;
  double selectMs = 0;
  double bytesPerLine = 0;
  double fillS = 0;
};

void DragSelection(HWND view) {
  SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
  SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 170));
  SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(300, 170));
  UpdateWindow(view);
}

Figures MeasureMemo(Application& application, int lines) {
  const double before = PrivateBytes();
  const double started = Now();
  MeasureForm form(application);
  const std::u16string line(kLine, kLine + std::wcslen(kLine));
  // Filled while hidden, as the details window mostly is.
  for (int i = 0; i < lines; ++i) form.memo.Append(line);
  form.Show();
  Pump();
  Figures figures;
  figures.bytesPerLine = (PrivateBytes() - before) / lines;
  figures.fillS = Now() - started;
  const HWND view = form.MemoHandle();
  constexpr int kAppends = 50;
  double start = Now();
  for (int i = 0; i < kAppends; ++i) {
    form.memo.Append(line);
    UpdateWindow(view);
  }
  figures.appendMs = (Now() - start) * 1000 / kAppends;
  SendMessageW(view, WM_VSCROLL, SB_TOP, 0);
  UpdateWindow(view);
  start = Now();
  for (int i = 0; i < 20; ++i) {
    SendMessageW(view, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(view);
  }
  figures.pageMs = (Now() - start) * 1000 / 20;
  start = Now();
  DragSelection(view);
  figures.selectMs = (Now() - start) * 1000;
  return figures;
}

Figures MeasureEdit(int lines) {
  const double before = PrivateBytes();
  const HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 328,
                                   nullptr, nullptr, nullptr, nullptr);
  const HWND edit = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL, 56, 120,
      530, 193, top, nullptr, nullptr, nullptr);
  LOGFONTW logFont{};
  logFont.lfHeight = -12;
  std::wcscpy(logFont.lfFaceName, L"Consolas");
  const HFONT font = CreateFontIndirectW(&logFont);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  std::wstring all;
  for (int i = 0; i < lines; ++i) {
    if (i > 0) all += L"\r\n";
    all += kLine;
  }
  const double started = Now();
  SetWindowTextW(edit, all.c_str());
  Pump();
  Figures figures;
  figures.fillS = Now() - started;
  figures.bytesPerLine = (PrivateBytes() - before - (all.size() + 1) * 2.0) / lines;
  const std::wstring added = std::wstring(L"\r\n") + kLine;
  const int appends = lines >= 100000 ? 3 : 10;
  double start = Now();
  for (int i = 0; i < appends; ++i) {
    const int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, end, end);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    UpdateWindow(edit);
  }
  figures.appendMs = (Now() - start) * 1000 / appends;
  SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
  UpdateWindow(edit);
  start = Now();
  for (int i = 0; i < 5; ++i) {
    SendMessageW(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(edit);
  }
  figures.pageMs = (Now() - start) * 1000 / 5;
  start = Now();
  DragSelection(edit);
  figures.selectMs = (Now() - start) * 1000;
  DestroyWindow(top);
  DeleteObject(font);
  return figures;
}

void Print(const char* what, int lines, const Figures& f) {
  std::printf(
      "%-5s %6d lines: filled in %6.1f s; append %8.3f ms, page %7.3f ms, "
      "drag-select %7.3f ms, %5.0f bytes/line\n",
      what, lines, f.fillS, f.appendMs, f.pageMs, f.selectMs, f.bytesPerLine);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  bool withEdit = false;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--edit") == 0) {
      withEdit = true;
    } else if (std::atoi(argv[i]) > 0) {
      sizes.push_back(std::atoi(argv[i]));
    }
  }
  if (sizes.empty()) sizes = {100, 10000, 100000};
  Win32Desktop desktop;
  win32::Win32Backend backend(GetModuleHandleW(nullptr), desktop);
  Application application(backend, u"measure");
  backend.AttachApplication(application);
  double first = 0;
  double last = 0;
  for (const int lines : sizes) {
    const Figures memo = MeasureMemo(application, lines);
    Print("memo", lines, memo);
    if (lines == sizes.front()) first = memo.appendMs;
    last = memo.appendMs;
    if (withEdit) Print("EDIT", lines, MeasureEdit(lines));
  }
  std::printf("memo append, last size / first size: %.2f\n", last / first);
  return 0;
}
