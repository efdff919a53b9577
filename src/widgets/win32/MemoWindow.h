#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/Geometry.h"
#include "platform/win32/GdiHandles.h"
#include "widgets/Memo.h"
#include "widgets/WrapLayout.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// The native window of a memo: a child window of its own class that shows the memo's
// lines wrapped at its width with both scroll bars (the horizontal one stays disabled,
// as nothing is wider than a row), and lets the user scroll with the bars, the wheel
// and the keys, select with the mouse (drag, Shift+click, double-click for a word,
// Ctrl+A) and copy (Ctrl+C, Ctrl+Insert, the context menu, WM_COPY). WM_GETTEXT gives
// the whole text.
//
// The text stays in the memo: the window keeps only how many rows each line takes and
// wraps and draws just the rows in view, so neither a new line nor scrolling costs more
// with 100,000 lines than with 100. While the last row is in view, new lines scroll
// into view; otherwise the rows the user looks at stay put.
class MemoWindow {
 public:
  // Throws PlatformError when the window cannot be made.
  MemoWindow(HWND parent, int id, const Memo& memo, WindowClassRegistry& classes,
             const Rect& bounds);
  ~MemoWindow();
  MemoWindow(const MemoWindow&) = delete;
  MemoWindow& operator=(const MemoWindow&) = delete;

  HWND Window() const { return window_; }
  // The memo gained lines at the end, or lost them all.
  void LinesChanged();

  // For the window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void WindowDestroyed() { window_ = nullptr; }

 private:
  // One row as it shows: units [begin, end) of a line.
  struct RowSpan {
    std::size_t line = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
  };

  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void SetFont(HFONT font, bool redraw);
  int UnitWidth(char16_t unit);
  int WrapWidth() const;
  int ClientHeight() const;
  // Wraps the line (kept for the next call for the same line).
  const std::vector<std::size_t>& RowStartsOf(std::size_t line);
  void LayOutAll();
  void LayOutNewLines();
  std::uint64_t VisibleRows() const;
  std::uint64_t LastTop() const;
  void ScrollTo(std::int64_t top);
  void UpdateScrollBars();
  RowSpan SpanOfRow(std::uint64_t row);
  TextPosition PositionAt(POINT point);
  std::pair<TextPosition, TextPosition> Selection() const;
  bool HasSelection() const { return anchor_ != caret_; }
  void Select(TextPosition anchor, TextPosition caret);
  void SelectWordAt(POINT point);
  void Copy();
  std::u16string WholeText() const;
  void Paint();
  void DrawRow(HDC dc, std::uint64_t row, int y, COLORREF text, COLORREF highlight,
               COLORREF highlightText);
  void OnVerticalScroll(int code);
  void OnKey(WPARAM key);
  void OnWheel(int delta);
  void OnButtonDown(POINT point, bool extend);
  void OnPointerMove(POINT point);
  void ShowContextMenu(LPARAM lParam);

  const Memo& memo_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  // Measures units in the font; the font stays selected while it is the memo's.
  MemoryDC measure_;
  HGDIOBJ measureDefaultFont_ = nullptr;
  int lineHeight_ = 16;
  std::array<int, 256> narrowWidths_{};
  std::unordered_map<char16_t, int> wideWidths_;
  tintara::UnitWidth widthOf_;

  RowIndex rows_;
  int laidOutWidth_ = -1;
  std::uint64_t top_ = 0;
  TextPosition anchor_;
  TextPosition caret_;
  bool selecting_ = false;
  int wheelRemainder_ = 0;
  bool barsSet_ = false;

  static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
  std::size_t wrappedLine_ = kNoLine;
  std::u16string wrappedText_;
  std::vector<std::size_t> wrappedStarts_;
  std::vector<INT> advances_;
};

}  // namespace tintara::win32
