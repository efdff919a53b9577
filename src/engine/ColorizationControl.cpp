#include "engine/ColorizationControl.h"

#include <cstdio>

namespace tintara {

std::uint32_t ToDwmColor(TColor color) {
  return ((color >> 16) & 0xFFu) | (((color >> 8) & 0xFFu) << 8) | ((color & 0xFFu) << 16);
}

std::string FormatColorizationLogLine(const ColorizationParams& p) {
  char line[256];
  std::snprintf(line, sizeof line,
                "Intensity %d - Color %.8X - Color Afterglow %.8X - Color AfterglowBalance %d - "
                "Color BlurBalance %d - Color GlassReflectionIntensity %d",
                static_cast<int>(p.Intensity), static_cast<unsigned>(p.Color),
                static_cast<unsigned>(p.Afterglow), static_cast<int>(p.AfterglowBalance),
                static_cast<int>(p.BlurBalance), static_cast<int>(p.GlassReflectionIntensity));
  return line;
}

void ColorizationControl::Load() {
  if (DwmLibraryHandle != 0) return;
  DwmLibraryHandle = desktop_.LoadColorizationLibrary();
  if (DwmLibraryHandle == 0) return;
  compositionQuery_ = desktop_.FindEntryByName(DwmLibraryHandle, "DwmIsCompositionEnabled");
  readEntry_ = desktop_.FindEntryByOrdinal(DwmLibraryHandle, kReadOrdinal);
  writeEntry_ = desktop_.FindEntryByOrdinal(DwmLibraryHandle, kWriteOrdinal);
}

void ColorizationControl::Release() {
  if (DwmLibraryHandle != 0) desktop_.ReleaseLibrary(DwmLibraryHandle);
  DwmLibraryHandle = 0;
  compositionQuery_ = readEntry_ = writeEntry_ = 0;
}

bool ColorizationControl::IsCompositionEnabled() {
  if (compositionQuery_ == 0) return false;
  std::int32_t enabled = 0;
  if (desktop_.CallCompositionQuery(compositionQuery_, enabled) != 0) return false;
  return enabled != 0;
}

void ColorizationControl::ApplyAeroColor(TColor color, ColorizationLog& log) {
  if (!IsCompositionEnabled() || readEntry_ == 0 || writeEntry_ == 0) return;
  ColorizationParams params{};
  // Writing back a record the window manager did not fill would wipe the user's
  // afterglow, balance and reflection settings.
  if (desktop_.CallColorizationRead(readEntry_, params) < 0) return;
  params.Intensity = kIntensity;
  params.Color = ToDwmColor(color);
  desktop_.CallColorizationWrite(writeEntry_, params, 0);
  desktop_.CallColorizationRead(readEntry_, params);
  log.AppendLine(FormatColorizationLogLine(params));
}

}  // namespace tintara
