#pragma once

#include <string>

#include "engine/ColorizationLog.h"
#include "platform/Types.h"

namespace tintara {

// The controls the tracker writes into and the caption it reads the colour mode
// from. The windows implement it with their labels, image, swatch and log.
class TrackerDisplay {
 public:
  virtual ~TrackerDisplay() = default;
  virtual std::u16string ColorModeCaption() const = 0;
  virtual void ShowIcon(IconHandle icon) = 0;
  virtual void ShowSwatchColor(TColor color) = 0;
  virtual void SetHandleCaption(const std::u16string& text) = 0;
  virtual void SetClassCaption(const std::u16string& text) = 0;
  // The details window's log, which the colorization control appends to.
  virtual ColorizationLog& Log() = 0;
};

// Plain holders for everything the tracker shows, for use before (or without) windows.
class DisplayHolders : public TrackerDisplay {
 public:
  std::u16string colorMode = u"(color mode)";
  IconHandle shownIcon = 0;
  TColor swatchColor = 0xFFFFFF;
  std::u16string handleCaption;
  std::u16string classCaption;
  LogLines log;

  std::u16string ColorModeCaption() const override { return colorMode; }
  void ShowIcon(IconHandle icon) override { shownIcon = icon; }
  void ShowSwatchColor(TColor color) override { swatchColor = color; }
  void SetHandleCaption(const std::u16string& text) override { handleCaption = text; }
  void SetClassCaption(const std::u16string& text) override { classCaption = text; }
  ColorizationLog& Log() override { return log; }
};

}  // namespace tintara
