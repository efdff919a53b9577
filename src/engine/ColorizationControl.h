#pragma once

#include <string>

#include "engine/ColorizationLog.h"
#include "platform/DesktopServices.h"

namespace tintara {

// The colour field of the colorization record: red and blue swapped, top byte 0.
std::uint32_t ToDwmColor(TColor color);

// "Intensity %d - Color %.8X - ..." for the record as the window manager reports it.
std::string FormatColorizationLogLine(const ColorizationParams& params);

// The desktop window manager's colorization: owns the loaded library and its three
// entries for the life of the program, and writes colours into it.
class ColorizationControl {
 public:
  static constexpr std::int32_t kIntensity = 70;
  static constexpr std::uint16_t kReadOrdinal = 127;
  static constexpr std::uint16_t kWriteOrdinal = 131;

  explicit ColorizationControl(DesktopServices& desktop) : desktop_(desktop) {}
  ~ColorizationControl() { Release(); }
  ColorizationControl(const ColorizationControl&) = delete;
  ColorizationControl& operator=(const ColorizationControl&) = delete;

  // Loads the library once and looks up its entries; a missing library or entry
  // leaves that part empty and is not reported.
  void Load();
  void Release();

  bool IsCompositionEnabled();

  // Writes the colour with intensity 70, keeping the other fields as read, and
  // appends one line with what is in force afterwards. Does nothing at all when
  // composition is off, an entry is missing, or the current record cannot be read.
  void ApplyAeroColor(TColor color, ColorizationLog& log);

  ModuleHandle LibraryHandle() const { return DwmLibraryHandle; }

 private:
  DesktopServices& desktop_;
  ModuleHandle DwmLibraryHandle = 0;
  EntryPoint compositionQuery_ = 0;
  EntryPoint readEntry_ = 0;
  EntryPoint writeEntry_ = 0;
};

}  // namespace tintara
