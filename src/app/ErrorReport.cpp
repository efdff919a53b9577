#include "app/ErrorReport.h"

#include <cstring>

#include "widgets/ErrorReportText.h"

namespace tintara::app {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is shared with the system as is");

// Exception texts are UTF-8.
std::u16string FromUtf8(const char* text) {
  const int length = static_cast<int>(std::strlen(text));
  if (length == 0) return {};
  const int needed = MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
  if (needed <= 0) return {};
  std::u16string result(static_cast<std::size_t>(needed), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, length, reinterpret_cast<wchar_t*>(result.data()), needed);
  return result;
}

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

void ShowGeneralErrorReport(HWND owner, const std::u16string& applicationTitle,
                            const std::exception& error) {
  const std::u16string text = ErrorReportText(FromUtf8(error.what()));
  MessageBoxW(owner, Wide(text), Wide(applicationTitle), MB_ICONERROR | MB_OK);
}

}  // namespace tintara::app
