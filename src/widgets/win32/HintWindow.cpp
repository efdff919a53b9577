#include "widgets/win32/HintWindow.h"

#include <cstring>

#include "platform/PlatformError.h"
#include "platform/win32/DibHeaders.h"

namespace tintara::win32 {
namespace {

constexpr int kPaddingX = 8;
constexpr int kPaddingY = 4;
constexpr int kCornerEllipse = 6;
constexpr COLORREF kTopColor = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBottomColor = RGB(0xE4, 0xE5, 0xF0);
constexpr COLORREF kFrameColor = RGB(0x76, 0x76, 0x76);
constexpr COLORREF kTextColor = RGB(0x3C, 0x3C, 0x3C);

LRESULT CALLBACK HintProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The pointer goes through to whatever lies below, so the hint never steals the
  // hover from the control it belongs to.
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(window, message, wParam, lParam);
}

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int step, int steps) {
  return static_cast<std::uint8_t>(from + (to - from) * step / (steps > 0 ? steps : 1));
}

}  // namespace

ATOM HintWindow::WindowClass(WindowClassRegistry& classes) {
  return classes.Ensure(L"TintaraHintWindow", CS_DROPSHADOW, HintProcedure);
}

HintWindow::HintWindow(HINSTANCE instance, ATOM windowClass, const std::wstring& text,
                       POINT position, HFONT font)
    : position_(position) {
  Render(text, font);
  window_ = CreateWindowExW(
      WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT,
      MAKEINTATOM(windowClass), L"", WS_POPUP, position.x, position.y, size_.cx, size_.cy, nullptr,
      nullptr, instance, nullptr);
  if (window_ == nullptr) throw PlatformError("The hint window could not be created");
}

HintWindow::~HintWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (previousBitmap_ != nullptr) SelectObject(surface_.get(), previousBitmap_);
}

void HintWindow::Render(const std::wstring& text, HFONT font) {
  if (!surface_) throw PlatformError("The hint window could not be created");
  RECT textArea{0, 0, 0, 0};
  {
    const SelectionGuard selectedFont(surface_.get(), font);
    DrawTextW(surface_.get(), text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  }
  size_.cx = textArea.right + 2 * kPaddingX;
  size_.cy = textArea.bottom + 2 * kPaddingY;

  const BITMAPINFO info = TopDownDib(size_.cx, size_.cy);
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || bits == nullptr) throw PlatformError("The hint window could not be created");
  previousBitmap_ = SelectObject(surface_.get(), bitmap_.get());

  const HDC dc = surface_.get();
  for (int row = 0; row < size_.cy; ++row) {
    const COLORREF color =
        RGB(Mix(GetRValue(kTopColor), GetRValue(kBottomColor), row, size_.cy - 1),
            Mix(GetGValue(kTopColor), GetGValue(kBottomColor), row, size_.cy - 1),
            Mix(GetBValue(kTopColor), GetBValue(kBottomColor), row, size_.cy - 1));
    const OwnedBrush line(CreateSolidBrush(color));
    const RECT band{0, row, size_.cx, row + 1};
    FillRect(dc, &band, line.get());
  }
  {
    const OwnedPen frame(CreatePen(PS_SOLID, 1, kFrameColor));
    const SelectionGuard selectedPen(dc, frame.get());
    const SelectionGuard selectedBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 0, 0, size_.cx, size_.cy, kCornerEllipse, kCornerEllipse);
  }
  {
    const SelectionGuard selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColor);
    RECT textBox{kPaddingX, kPaddingY, size_.cx - kPaddingX, size_.cy - kPaddingY};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
              DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
  }
  GdiFlush();

  // GDI leaves the alpha bytes undefined: inside the rounded outline every pixel is
  // opaque, outside it fully transparent (premultiplied, so black). The region leaves
  // its right and bottom edges out, hence the extra pixel: the frame lies on them.
  const OwnedRegion outline(
      CreateRoundRectRgn(0, 0, size_.cx + 1, size_.cy + 1, kCornerEllipse, kCornerEllipse));
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < size_.cy; ++y) {
    for (int x = 0; x < size_.cx; ++x) {
      std::uint8_t* pixel = pixels + (static_cast<std::size_t>(y) * size_.cx + x) * 4;
      if (PtInRegion(outline.get(), x, y)) {
        pixel[3] = 0xFF;
      } else {
        std::memset(pixel, 0, 4);
      }
    }
  }
}

void HintWindow::MoveTo(POINT position) {
  position_ = position;
  SetWindowPos(window_, nullptr, position.x, position.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void HintWindow::SetOpacity(std::uint8_t opacity) {
  opacity_ = opacity;
  BLENDFUNCTION blend{};
  blend.BlendOp = AC_SRC_OVER;
  blend.SourceConstantAlpha = opacity;
  blend.AlphaFormat = AC_SRC_ALPHA;
  POINT origin{0, 0};
  SIZE size = size_;
  POINT position = position_;
  UpdateLayeredWindow(window_, nullptr, &position, &size, surface_.get(), &origin, 0, &blend,
                      ULW_ALPHA);
  if (!shown_) {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    shown_ = true;
  }
}

}  // namespace tintara::win32
