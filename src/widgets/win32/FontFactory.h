#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "widgets/win32/OwnedHandles.h"

namespace tintara::win32 {

// A font as the layout names it: family, character height in pixels (the em height
// without internal leading, so 8 pt at 96 dpi is 11) and style.
struct FontRequest {
  std::wstring family;
  // Tried in order when the family is missing, before the built-in replacements.
  std::vector<std::wstring> fallbacks;
  int characterHeight = 11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// Whether the system has a font of that family (any character set).
bool IsFontFamilyInstalled(const std::wstring& family);

// The families tried, in order, when the one asked for is missing: close relatives in
// look and width first, so text set in them keeps its place in the layout.
std::vector<std::wstring> FallbackFamilies(const std::wstring& family);

// Makes fonts, replacing families the system lacks. Each family is looked up once.
class FontFactory {
 public:
  // The family actually used: the one asked for when installed, otherwise the first
  // installed one of `fallbacks` and then of FallbackFamilies, otherwise the one asked
  // for again (the system then picks its default face).
  const std::wstring& ResolveFamily(const std::wstring& family,
                                    const std::vector<std::wstring>& fallbacks = {});

  // Throws PlatformError when the system cannot make the font.
  OwnedFont Create(const FontRequest& request);

 private:
  std::map<std::vector<std::wstring>, std::wstring> resolved_;
};

}  // namespace tintara::win32
