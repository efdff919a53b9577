#include "widgets/win32/MemoWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/PlatformError.h"
#include "widgets/win32/BufferedPaint.h"
#include "widgets/win32/OwnedHandles.h"
#include "widgets/win32/WindowProcedure.h"

namespace tintara::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TintaraMemo";
// The text keeps a little room from the frame, as an edit control's does.
constexpr int kMarginLeft = 2;
constexpr int kMarginRight = 2;
constexpr int kMarginTop = 1;
constexpr UINT kCommandCopy = 1;
constexpr UINT kCommandSelectAll = 2;

COLORREF ToColorRef(TColor color) {
  // A system colour by index, or RGB as it stands.
  if ((color >> 24) == 0xFF) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFFu;
}

bool IsWordUnit(char16_t unit) {
  return unit != u' ' && unit != u'\t';
}

bool KeyHeld(int key) {
  return GetKeyState(key) < 0;
}

}  // namespace

MemoWindow::MemoWindow(HWND parent, int id, const Memo& memo, WindowClassRegistry& classes,
                       const Rect& bounds)
    : memo_(memo), widthOf_([this](char16_t unit) { return UnitWidth(unit); }) {
  const ATOM windowClass =
      classes.Ensure(kClassName, CS_DBLCLKS, &WindowProcedure<MemoWindow>, nullptr);
  // The procedure binds this object at WM_NCCREATE and sets window_.
  CreateWindowExW(WS_EX_CLIENTEDGE, MAKEINTATOM(windowClass), L"",
                  WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, bounds.left, bounds.top,
                  bounds.width, bounds.height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), classes.instance(), this);
  if (window_ == nullptr) throw PlatformError("The control's window could not be created");
  if (measure_) measureDefaultFont_ = GetCurrentObject(measure_.get(), OBJ_FONT);
  SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
}

MemoWindow::~MemoWindow() {
  // The font is the caller's: put the DC's own back before the DC goes.
  if (measure_ && measureDefaultFont_ != nullptr) SelectObject(measure_.get(), measureDefaultFont_);
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT MemoWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) window_ = window;
  // Nothing may unwind through the system's frames; a failure leaves the view as it was.
  try {
    return Dispatch(message, wParam, lParam);
  } catch (const std::exception&) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT MemoWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painting covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      if (WrapWidth() != laidOutWidth_) LayOutAll();
      ScrollTo(static_cast<std::int64_t>(top_));
      UpdateScrollBars();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
        return TRUE;
      }
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_VSCROLL:
      OnVerticalScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
      OnKey(wParam);
      return 0;
    case WM_CHAR:
      return 0;  // the log is not typed into
    case WM_LBUTTONDOWN:
      OnButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      SelectWordAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSEMOVE:
      if (selecting_ && (wParam & MK_LBUTTON) != 0) {
        OnPointerMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      }
      return 0;
    case WM_LBUTTONUP:
      selecting_ = false;
      if (GetCapture() == window_) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      selecting_ = false;
      return 0;
    case WM_CONTEXTMENU:
      ShowContextMenu(lParam);
      return 0;
    case WM_COPY:
      Copy();
      return 0;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(WholeText().size());
    case WM_GETTEXT: {
      if (wParam == 0 || lParam == 0) return 0;
      const std::u16string text = WholeText();
      const std::size_t copied = std::min<std::size_t>(text.size(), wParam - 1);
      auto* out = reinterpret_cast<wchar_t*>(lParam);
      std::memcpy(out, text.data(), copied * sizeof(wchar_t));
      out[copied] = L'\0';
      return static_cast<LRESULT>(copied);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MemoWindow::SetFont(HFONT font, bool redraw) {
  font_ = font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  narrowWidths_.fill(-1);
  wideWidths_.clear();
  if (measure_) {
    SelectObject(measure_.get(), font_);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(measure_.get(), &metrics)) lineHeight_ = std::max<int>(1, metrics.tmHeight);
  }
  LayOutAll();
  UpdateScrollBars();
  if (redraw) InvalidateRect(window_, nullptr, FALSE);
}

int MemoWindow::UnitWidth(char16_t unit) {
  if (unit < narrowWidths_.size() && narrowWidths_[unit] >= 0) return narrowWidths_[unit];
  if (unit >= narrowWidths_.size()) {
    if (const auto found = wideWidths_.find(unit); found != wideWidths_.end()) return found->second;
  }
  SIZE extent{0, 0};
  const wchar_t text = static_cast<wchar_t>(unit);
  if (measure_) GetTextExtentPoint32W(measure_.get(), &text, 1, &extent);
  const int width = std::max<int>(0, extent.cx);
  if (unit < narrowWidths_.size()) {
    narrowWidths_[unit] = width;
  } else {
    wideWidths_.emplace(unit, width);
  }
  return width;
}

int MemoWindow::WrapWidth() const {
  RECT client{};
  GetClientRect(window_, &client);
  return std::max<int>(1, client.right - kMarginLeft - kMarginRight);
}

int MemoWindow::ClientHeight() const {
  RECT client{};
  GetClientRect(window_, &client);
  return client.bottom;
}

const std::vector<std::size_t>& MemoWindow::RowStartsOf(std::size_t line) {
  if (line != wrappedLine_) {
    memo_.Lines().CopyLine(line, wrappedText_);
    WrapRows(wrappedText_, laidOutWidth_, widthOf_, wrappedStarts_);
    wrappedLine_ = line;
  }
  return wrappedStarts_;
}

void MemoWindow::LayOutAll() {
  rows_.Clear();
  wrappedLine_ = kNoLine;
  laidOutWidth_ = WrapWidth();
  LayOutNewLines();
}

void MemoWindow::LayOutNewLines() {
  const TextLines& lines = memo_.Lines();
  for (std::size_t line = rows_.Lines(); line < lines.Count(); ++line) {
    rows_.AppendLine(static_cast<std::uint32_t>(RowStartsOf(line).size()));
  }
}

void MemoWindow::LinesChanged() {
  const TextLines& lines = memo_.Lines();
  if (lines.Count() < rows_.Lines()) {
    // Cleared: nothing of the old layout holds.
    anchor_ = caret_ = {};
    top_ = 0;
    LayOutAll();
    UpdateScrollBars();
    InvalidateRect(window_, nullptr, FALSE);
    return;
  }
  // The view follows new lines only while its last row is in view; otherwise the new
  // rows lie below it and nothing in view changes.
  const bool following = top_ >= LastTop();
  const std::uint64_t firstNewRow = rows_.Rows();
  const std::uint64_t oldTop = top_;
  LayOutNewLines();
  if (following) top_ = LastTop();
  UpdateScrollBars();
  if (!following || rows_.Rows() == firstNewRow) return;
  RECT text{};
  GetClientRect(window_, &text);
  text.top = kMarginTop;
  if (top_ == oldTop) {
    // The view was not full: only the new rows need drawing.
    text.top += static_cast<LONG>((firstNewRow - top_) * static_cast<std::uint64_t>(lineHeight_));
    if (text.top < text.bottom) InvalidateRect(window_, &text, FALSE);
  } else if (top_ - oldTop < VisibleRows()) {
    // The rows in view move up; only the strip they leave is drawn anew.
    const int dy = -static_cast<int>(top_ - oldTop) * lineHeight_;
    ScrollWindowEx(window_, 0, dy, &text, &text, nullptr, nullptr, SW_INVALIDATE);
  } else {
    InvalidateRect(window_, nullptr, FALSE);
  }
}

std::uint64_t MemoWindow::VisibleRows() const {
  return static_cast<std::uint64_t>(std::max(1, (ClientHeight() - kMarginTop) / lineHeight_));
}

std::uint64_t MemoWindow::LastTop() const {
  const std::uint64_t rows = rows_.Rows();
  const std::uint64_t visible = VisibleRows();
  return rows > visible ? rows - visible : 0;
}

void MemoWindow::ScrollTo(std::int64_t top) {
  const auto last = static_cast<std::int64_t>(LastTop());
  const auto clamped = static_cast<std::uint64_t>(std::clamp<std::int64_t>(top, 0, last));
  if (clamped == top_) return;
  top_ = clamped;
  UpdateScrollBars();
  InvalidateRect(window_, nullptr, FALSE);
}

void MemoWindow::UpdateScrollBars() {
  const auto clampInt = [](std::uint64_t value) {
    return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX));
  };
  SCROLLINFO vertical{};
  vertical.cbSize = sizeof vertical;
  // Both bars always show, disabled while there is nothing to scroll.
  vertical.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  vertical.nMin = 0;
  vertical.nMax = clampInt(rows_.Rows() > 0 ? rows_.Rows() - 1 : 0);
  vertical.nPage = static_cast<UINT>(clampInt(VisibleRows()));
  vertical.nPos = clampInt(top_);
  // Drawn at once only when they show: a hidden window draws them when it appears.
  const BOOL redraw = IsWindowVisible(window_);
  SetScrollInfo(window_, SB_VERT, &vertical, redraw);
  if (!barsSet_) {
    SCROLLINFO horizontal{};
    horizontal.cbSize = sizeof horizontal;
    horizontal.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    horizontal.nMax = 0;
    horizontal.nPage = 1;
    SetScrollInfo(window_, SB_HORZ, &horizontal, redraw);
    barsSet_ = true;
  }
}

MemoWindow::RowSpan MemoWindow::SpanOfRow(std::uint64_t row) {
  const auto [line, within] = rows_.LineOfRow(row);
  const std::vector<std::size_t>& starts = RowStartsOf(line);
  const std::size_t index = std::min(within, starts.size() - 1);
  const std::size_t end = index + 1 < starts.size() ? starts[index + 1] : wrappedText_.size();
  return {line, starts[index], end};
}

TextPosition MemoWindow::PositionAt(POINT point) {
  if (rows_.Rows() == 0) return {};
  const std::int64_t offset =
      point.y < kMarginTop ? -1 : static_cast<std::int64_t>((point.y - kMarginTop) / lineHeight_);
  const std::int64_t row = static_cast<std::int64_t>(top_) + offset;
  if (row < 0) return {0, 0};
  if (static_cast<std::uint64_t>(row) >= rows_.Rows()) {
    const std::size_t last = memo_.Lines().Count() - 1;
    return {last, memo_.Lines().Length(last)};
  }
  const RowSpan span = SpanOfRow(static_cast<std::uint64_t>(row));
  const std::u16string_view text =
      std::u16string_view(wrappedText_).substr(span.begin, span.end - span.begin);
  return {span.line, span.begin + ColumnAt(text, point.x - kMarginLeft, widthOf_)};
}

std::pair<TextPosition, TextPosition> MemoWindow::Selection() const {
  return anchor_ < caret_ ? std::pair{anchor_, caret_} : std::pair{caret_, anchor_};
}

void MemoWindow::Select(TextPosition anchor, TextPosition caret) {
  if (anchor == anchor_ && caret == caret_) return;
  anchor_ = anchor;
  caret_ = caret;
  InvalidateRect(window_, nullptr, FALSE);
}

void MemoWindow::SelectWordAt(POINT point) {
  const TextPosition at = PositionAt(point);
  if (memo_.Lines().Empty()) return;
  const std::u16string text = memo_.Lines().Line(at.line);
  std::size_t begin = std::min(at.column, text.size());
  std::size_t end = begin;
  // The word under the pointer, or the one just before it at the end of a line.
  if (end < text.size() && IsWordUnit(text[end])) {
    while (begin > 0 && IsWordUnit(text[begin - 1])) --begin;
    while (end < text.size() && IsWordUnit(text[end])) ++end;
  } else if (begin > 0 && IsWordUnit(text[begin - 1])) {
    while (begin > 0 && IsWordUnit(text[begin - 1])) --begin;
  }
  Select({at.line, begin}, {at.line, end});
}

void MemoWindow::Copy() {
  if (!HasSelection()) return;
  const auto [from, to] = Selection();
  const std::u16string text = memo_.Lines().TextBetween(from, to);
  if (!OpenClipboard(window_)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      // The clipboard owns it once it takes it.
      if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

std::u16string MemoWindow::WholeText() const {
  return memo_.Lines().Text();
}

void MemoWindow::Paint() {
  BufferedPaint paint(window_);
  const HDC dc = paint.dc();
  RECT client{};
  GetClientRect(window_, &client);
  const COLORREF background = ToColorRef(memo_.Color());
  const COLORREF text =
      memo_.Enabled() ? ToColorRef(memo_.GetFont().color) : GetSysColor(COLOR_GRAYTEXT);
  const OwnedBrush fill(CreateSolidBrush(background));
  FillRect(dc, &client, fill.get());
  if (rows_.Rows() == 0) return;
  const SelectionGuard font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  const RECT& area = paint.area();
  int y = kMarginTop;
  for (std::uint64_t row = top_; row < rows_.Rows() && y < client.bottom; ++row) {
    if (y + lineHeight_ > area.top && y < area.bottom) {
      DrawRow(dc, row, y, text, highlight, highlightText);
    }
    y += lineHeight_;
  }
}

void MemoWindow::DrawRow(HDC dc, std::uint64_t row, int y, COLORREF text, COLORREF highlight,
                         COLORREF highlightText) {
  const RowSpan span = SpanOfRow(row);
  const std::u16string_view units =
      std::u16string_view(wrappedText_).substr(span.begin, span.end - span.begin);
  // The advances the layout measured, so what shows is what a click hits.
  advances_.resize(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) advances_[i] = UnitWidth(units[i]);

  const auto [from, to] = Selection();
  const auto columnIn = [&](const TextPosition& p) {
    if (p.line < span.line) return span.begin;
    if (p.line > span.line) return span.end;
    return std::clamp(p.column, span.begin, span.end);
  };
  const std::size_t selectedFrom = columnIn(from) - span.begin;
  const std::size_t selectedTo = columnIn(to) - span.begin;

  int x = kMarginLeft;
  const auto drawPart = [&](std::size_t begin, std::size_t end, bool selected) {
    if (begin >= end) return;
    int width = 0;
    for (std::size_t i = begin; i < end; ++i) width += advances_[i];
    if (selected) {
      const RECT box{x, y, x + width, y + lineHeight_};
      const OwnedBrush brush(CreateSolidBrush(highlight));
      FillRect(dc, &box, brush.get());
    }
    SetTextColor(dc, selected ? highlightText : text);
    ExtTextOutW(dc, x, y, 0, nullptr, reinterpret_cast<const wchar_t*>(units.data() + begin),
                static_cast<UINT>(end - begin), advances_.data() + begin);
    x += width;
  };
  drawPart(0, selectedFrom, false);
  drawPart(selectedFrom, selectedTo, true);
  drawPart(selectedTo, units.size(), false);
}

void MemoWindow::OnVerticalScroll(int code) {
  const auto top = static_cast<std::int64_t>(top_);
  const auto page = static_cast<std::int64_t>(std::max<std::uint64_t>(1, VisibleRows() - 1));
  switch (code) {
    case SB_LINEUP:
      ScrollTo(top - 1);
      break;
    case SB_LINEDOWN:
      ScrollTo(top + 1);
      break;
    case SB_PAGEUP:
      ScrollTo(top - page);
      break;
    case SB_PAGEDOWN:
      ScrollTo(top + page);
      break;
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(static_cast<std::int64_t>(LastTop()));
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit position; the message itself carries only 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(window_, SB_VERT, &info)) ScrollTo(info.nTrackPos);
      break;
    }
    default:
      break;
  }
}

void MemoWindow::OnKey(WPARAM key) {
  const bool control = KeyHeld(VK_CONTROL);
  const auto top = static_cast<std::int64_t>(top_);
  const auto page = static_cast<std::int64_t>(std::max<std::uint64_t>(1, VisibleRows() - 1));
  switch (key) {
    case VK_UP:
      ScrollTo(top - 1);
      break;
    case VK_DOWN:
      ScrollTo(top + 1);
      break;
    case VK_PRIOR:
      ScrollTo(top - page);
      break;
    case VK_NEXT:
      ScrollTo(top + page);
      break;
    case VK_HOME:
      ScrollTo(0);
      break;
    case VK_END:
      ScrollTo(static_cast<std::int64_t>(LastTop()));
      break;
    case 'A':
      if (control && !memo_.Lines().Empty()) {
        const std::size_t last = memo_.Lines().Count() - 1;
        Select({0, 0}, {last, memo_.Lines().Length(last)});
      }
      break;
    case 'C':
    case VK_INSERT:
      if (control) Copy();
      break;
    default:
      break;
  }
}

void MemoWindow::OnWheel(int delta) {
  UINT perNotch = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ %= WHEEL_DELTA;
  if (notches == 0) return;
  const auto rows = perNotch == WHEEL_PAGESCROLL ? static_cast<std::int64_t>(VisibleRows())
                                                 : static_cast<std::int64_t>(perNotch);
  ScrollTo(static_cast<std::int64_t>(top_) - notches * rows);
}

void MemoWindow::OnButtonDown(POINT point, bool extend) {
  SetFocus(window_);
  SetCapture(window_);
  selecting_ = true;
  const TextPosition at = PositionAt(point);
  Select(extend ? anchor_ : at, at);
}

void MemoWindow::OnPointerMove(POINT point) {
  // Dragging past the top or the bottom scrolls a row at a time.
  if (point.y < 0) ScrollTo(static_cast<std::int64_t>(top_) - 1);
  if (point.y >= ClientHeight()) ScrollTo(static_cast<std::int64_t>(top_) + 1);
  Select(anchor_, PositionAt(point));
}

void MemoWindow::ShowContextMenu(LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) {
    // From the keyboard: at the window's top-left corner.
    at = {0, 0};
    ClientToScreen(window_, &at);
  }
  const HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  AppendMenuW(menu, MF_STRING | (HasSelection() ? 0 : MF_GRAYED), kCommandCopy, L"&Copy");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | (memo_.Lines().Empty() ? MF_GRAYED : 0), kCommandSelectAll,
              L"Select &All");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCommandCopy) Copy();
  if (chosen == kCommandSelectAll && !memo_.Lines().Empty()) {
    const std::size_t last = memo_.Lines().Count() - 1;
    Select({0, 0}, {last, memo_.Lines().Length(last)});
  }
}

}  // namespace tintara::win32
