#include "widgets/win32/FontFactory.h"

#include <cwchar>

#include "platform/PlatformError.h"

namespace tintara::win32 {
namespace {

int CALLBACK CountFamily(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                         LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool IsMonospaced(const std::wstring& family) {
  return family == L"Consolas" || family == L"Courier New" || family == L"Lucida Console";
}

}  // namespace

bool IsFontFamilyInstalled(const std::wstring& family) {
  if (family.empty() || family.size() >= LF_FACESIZE) return false;
  LOGFONTW font{};
  font.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(font.lfFaceName, family.c_str(), LF_FACESIZE - 1);
  const WindowDC screen(nullptr);
  if (!screen) return false;
  bool found = false;
  EnumFontFamiliesExW(screen.get(), &font, CountFamily, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

std::vector<std::wstring> FallbackFamilies(const std::wstring& family) {
  if (IsMonospaced(family)) {
    return {L"Consolas",         L"Lucida Console", L"Courier New",
            L"DejaVu Sans Mono", L"Nimbus Mono PS", L"Liberation Mono"};
  }
  // Tahoma is the narrow sans of older systems. Nimbus Sans and DejaVu Sans are what a
  // Linux desktop under Wine usually has; Liberation Sans comes last because Wine draws
  // it a few pixels wider at small sizes than it measures it, which cuts off the last
  // character of a label sized to its text.
  return {L"Segoe UI",    L"Tahoma",      L"Microsoft Sans Serif", L"Arial",
          L"Nimbus Sans", L"DejaVu Sans", L"Liberation Sans"};
}

const std::wstring& FontFactory::ResolveFamily(const std::wstring& family,
                                               const std::vector<std::wstring>& fallbacks) {
  std::vector<std::wstring> key{family};
  key.insert(key.end(), fallbacks.begin(), fallbacks.end());
  if (const auto found = resolved_.find(key); found != resolved_.end()) return found->second;
  std::wstring chosen = family;
  if (!IsFontFamilyInstalled(family)) {
    std::vector<std::wstring> candidates = fallbacks;
    const std::vector<std::wstring> builtIn = FallbackFamilies(family);
    candidates.insert(candidates.end(), builtIn.begin(), builtIn.end());
    for (const std::wstring& candidate : candidates) {
      if (candidate != family && IsFontFamilyInstalled(candidate)) {
        chosen = candidate;
        break;
      }
    }
  }
  return resolved_.emplace(std::move(key), std::move(chosen)).first->second;
}

OwnedFont FontFactory::Create(const FontRequest& request) {
  const std::wstring& family = ResolveFamily(request.family, request.fallbacks);
  LOGFONTW font{};
  // Negative: the character height, leading excluded, as the layout measures it.
  font.lfHeight = -request.characterHeight;
  font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = request.italic ? TRUE : FALSE;
  font.lfUnderline = request.underline ? TRUE : FALSE;
  font.lfStrikeOut = request.strikeOut ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::wcsncpy(font.lfFaceName, family.c_str(), LF_FACESIZE - 1);
  OwnedFont made(CreateFontIndirectW(&font));
  if (!made) throw PlatformError("The font could not be created");
  return made;
}

}  // namespace tintara::win32
