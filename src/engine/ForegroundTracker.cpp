#include "engine/ForegroundTracker.h"

#include <array>
#include <cstdio>

#include "engine/IconColorPicker.h"
#include "engine/IconDrawSize.h"

namespace tintara {

std::u16string FormatWindowHandleCaption(WindowHandle window) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.8X", static_cast<unsigned>(window & 0xFFFFFFFFu));
  std::u16string text = u"Window Handle $";
  for (const char* p = digits; *p != '\0'; ++p) text.push_back(static_cast<char16_t>(*p));
  return text;
}

void ForegroundTracker::Timer_AeroHandlerTimer() {
  const WindowHandle window = desktop_.ForegroundWindow();
  if (window == LastForegroundWindow) return;
  if (window == mainWindow_) return;
  LastForegroundWindow = window;
  ProcessForegroundWindow(window);
}

void ForegroundTracker::ProcessForegroundWindow(WindowHandle window) {
  const IconHandle icon = GetWindowIconHandle(window);
  if (icon == 0) return;
  ShowWindowDetails(window);
  RenderedIconBitmap bitmap;
  // The icon stays its window's: it is shown and drawn, never destroyed here.
  display_.ShowIcon(icon);
  RenderIconToBitmap(icon, bitmap);
  const std::u16string mode = display_.ColorModeCaption();
  const TColor color = PickIconColor(bitmap, mode);
  display_.ShowSwatchColor(color);
  colorization_.ApplyAeroColor(color, display_.Log());
}

IconHandle ForegroundTracker::GetWindowIconHandle(WindowHandle window) {
  if (IconHandle icon = desktop_.ClassIcon(window, ClassIconKind::Small)) return icon;
  if (IconHandle icon = desktop_.ClassIcon(window, ClassIconKind::Big)) return icon;
  if (IconHandle icon = desktop_.WindowIcon(window, WindowIconKind::Small)) return icon;
  if (IconHandle icon = desktop_.WindowIcon(window, WindowIconKind::Big)) return icon;
  return desktop_.WindowIcon(window, WindowIconKind::Small2);
}

void ForegroundTracker::ShowWindowDetails(WindowHandle window) {
  std::array<char16_t, kClassNameCapacity> buffer{};
  desktop_.ReadClassName(window, buffer.data(), kClassNameCapacity);
  buffer.back() = u'\0';  // whatever the platform left, the text ends inside the buffer
  display_.SetHandleCaption(FormatWindowHandleCaption(window));
  display_.SetClassCaption(u"Class Name " + std::u16string(buffer.data()));
}

void ForegroundTracker::RenderIconToBitmap(IconHandle icon, RenderedIconBitmap& bitmap) {
  const std::optional<IconSize> measured = desktop_.MeasureIcon(icon);
  // The standard size is asked for only when it is needed.
  const IconDrawSize draw = IconDrawSizeOf(measured, measured ? 0 : desktop_.IconHeightMetric());
  bitmap.SetSize(draw.size.width, draw.size.height);
  const TColor textColor = desktop_.SystemColor(kColorWindowText);
  if (draw.scaled) {
    desktop_.DrawIconScaledOnWhite(icon, textColor, bitmap);
  } else {
    desktop_.DrawIconOnWhite(icon, textColor, bitmap);
  }
}

}  // namespace tintara
