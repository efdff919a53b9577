// The memo's native window: its lines wrapped with both scroll bars, following new
// lines only while the end is in view, and the user's selecting and copying.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "MainWindowHarness.h"
#include "SyntheticInput.h"
#include "TestWindows.h"
#include "platform/win32/HandleCast.h"
#include "widgets/Memo.h"
#include "widgets/win32/Win32FormWindow.h"

namespace tintara::test {
namespace {

// A form holding nothing but a memo, in the details window's font.
class MemoForm : public Form {
 public:
  explicit MemoForm(Application& application) : Form(application) {
    SetBounds({40, 40, 400, 200});
    memo.SetBounds({10, 10, 300, 150});
    Font font;
    font.family = u"Consolas";
    font.sizePt = 9;
    font.heightPx = 12;
    memo.SetFont(font);
    memo.SetParent(this);
    CreateHandle();
  }
  ~MemoForm() override { DestroyHandle(); }

  HWND MemoHandle() const {
    return static_cast<win32::Win32FormWindow*>(Window())->Natives().WindowOf(memo);
  }

  Memo memo;
};

struct Toolkit {
  Toolkit() : backend(GetModuleHandleW(nullptr), desktop), application(backend, u"Tintara") {
    backend.AttachApplication(application);
  }
  Win32Desktop desktop;
  win32::Win32Backend backend;
  Application application;
};

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(text.size() - 1);
  return text;
}

SCROLLINFO Bar(HWND window, int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(window, bar, &info);
  return info;
}

std::wstring Clipboard() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"(clipboard busy)";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void ClearClipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}

std::u16string Numbered(int i) {
  const std::string text = "line " + std::to_string(i);
  return std::u16string(text.begin(), text.end());
}

TEST(Win32MemoWindow, LinesWrapWithBothBarsAndTheViewFollowsOnlyWhileTheEndShows) {
  Toolkit toolkit;
  MemoForm form(toolkit.application);
  form.Show();
  PumpMessagesFor(200);
  const HWND memo = form.MemoHandle();
  ASSERT_NE(memo, nullptr);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(memo, GWL_STYLE));
  EXPECT_NE(style & WS_VSCROLL, 0u);
  EXPECT_NE(style & WS_HSCROLL, 0u);
  EXPECT_EQ(TextOf(memo), L"");

  form.memo.Append(u"first line");
  form.memo.Append(
      u"Intensity 70 - Color 00FF0000 - Color Afterglow 6B3C78B4 - Color "
      u"AfterglowBalance 32 - Color BlurBalance 53 - Color "
      u"GlassReflectionIntensity 80");
  EXPECT_EQ(TextOf(memo).substr(0, 21), L"first line\r\nIntensity");
  // The long line takes several rows of the 300-pixel box; nothing is wider than a row.
  const SCROLLINFO vertical = Bar(memo, SB_VERT);
  EXPECT_GE(vertical.nMax + 1, 4);
  EXPECT_EQ(Bar(memo, SB_HORZ).nMax, 0);

  // At the end: new lines scroll into view.
  for (int i = 0; i < 100; ++i) form.memo.Append(Numbered(i));
  const SCROLLINFO atEnd = Bar(memo, SB_VERT);
  EXPECT_EQ(atEnd.nPos + static_cast<int>(atEnd.nPage), atEnd.nMax + 1);
  // Scrolled back: the rows in view stay put.
  SendMessageW(memo, WM_VSCROLL, SB_TOP, 0);
  form.memo.Append(u"one more");
  EXPECT_EQ(Bar(memo, SB_VERT).nPos, 0);
  EXPECT_EQ(Bar(memo, SB_VERT).nMax, atEnd.nMax + 1);
  SendMessageW(memo, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(Bar(memo, SB_VERT).nPos, static_cast<int>(atEnd.nPage) - 1);

  form.memo.Clear();
  EXPECT_EQ(TextOf(memo), L"");
  EXPECT_EQ(Bar(memo, SB_VERT).nPos, 0);
}

TEST(Win32MemoWindow, TheUserSelectsWithTheMouseAndCopiesWithTheKeys) {
  Toolkit toolkit;
  MemoForm form(toolkit.application);
  for (int i = 0; i < 5; ++i) form.memo.Append(Numbered(i));
  form.Show();
  PumpMessagesFor(300);
  const HWND memo = form.MemoHandle();
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0));
  HDC dc = GetDC(memo);
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SIZE word{};
  GetTextExtentPoint32W(dc, L"line ", 5, &word);
  SelectObject(dc, previous);
  ReleaseDC(memo, dc);

  // From just before "1" of "line 1" to the end of "line 3", dragging.
  POINT from{2 + word.cx, 1 + metrics.tmHeight + metrics.tmHeight / 2};
  POINT to{2 + word.cx * 3, 1 + 3 * metrics.tmHeight + metrics.tmHeight / 2};
  ClientToScreen(memo, &from);
  ClientToScreen(memo, &to);
  MovePointerTo(from);
  PumpMessagesFor(50);
  PressButton(Button::Left);
  PumpMessagesFor(50);
  MovePointerTo(to);
  PumpMessagesFor(50);
  ReleaseButton(Button::Left);
  PumpMessagesFor(100);
  EXPECT_EQ(GetFocus(), memo);

  ClearClipboard();
  TapKeyWithControl('C');
  PumpMessagesUntil([] { return !Clipboard().empty(); }, 3000);
  EXPECT_EQ(Clipboard(), L"1\r\nline 2\r\nline 3");

  ClearClipboard();
  TapKeyWithControl('A');
  PumpMessagesFor(50);
  SendMessageW(memo, WM_COPY, 0, 0);
  EXPECT_EQ(Clipboard(), L"line 0\r\nline 1\r\nline 2\r\nline 3\r\nline 4");
  // Typing changes nothing.
  TapKey('X');
  PumpMessagesFor(50);
  EXPECT_EQ(form.memo.Lines().Count(), 5u);
}

}  // namespace
}  // namespace tintara::test
