// The exported entries of the stand-in "dwmapi.dll" and its load-time work.
#include <windows.h>

#include <cstdio>
#include <string>

#include "PeerWindows.h"
#include "StandinEnvironment.h"
#include "StandinHandles.h"
#include "StandinRecord.h"

namespace {

std::string HResultText(HRESULT result) {
  char text[32];
  std::snprintf(text, sizeof text, "hr=%08X", static_cast<unsigned>(result));
  return text;
}

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  return std::wstring(path, length < MAX_PATH ? length : 0);
}

#ifdef TINTARA_STANDIN_PLANTED
// A copy of this library placed beside a program proves, by this file, that the
// program loaded it from there.
void LeavePlantedMarker(HMODULE self) {
  const std::wstring path =
      standin::ToWindowsPath(standin::EnvironmentText(standin::kPlantedMarkerVariable));
  if (path.empty()) return;
  const standin::FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::string text = "planted library loaded from " + standin::ToUtf8(ModulePath(self));
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
#endif

}  // namespace

extern "C" {

HRESULT WINAPI DwmIsCompositionEnabled(BOOL* enabled) {
  if (enabled == nullptr) return E_POINTER;
  const std::wstring mode = standin::EnvironmentText(standin::kCompositionVariable);
  HRESULT result = S_OK;
  if (mode == L"fail") {
    result = E_FAIL;
  } else {
    *enabled = mode == L"off" ? FALSE : TRUE;
  }
  standin::AppendLogLine("query " + HResultText(result) +
                         (SUCCEEDED(result) ? " enabled=" + std::to_string(*enabled) : ""));
  return result;
}

// Ordinal 127: the current colorization.
HRESULT WINAPI StandinGetColorizationParameters(standin::ColorizationRecord* record) {
  if (record == nullptr) return E_POINTER;
  if (standin::EnvironmentText(standin::kReadVariable) == L"fail") {
    standin::AppendLogLine("read " + HResultText(E_FAIL));
    return E_FAIL;
  }
  *record = standin::LoadRecord();
  standin::AppendLogLine("read " + HResultText(S_OK) + " " + standin::DescribeRecord(*record));
  return S_OK;
}

// Ordinal 131: makes the record the current colorization.
HRESULT WINAPI StandinSetColorizationParameters(const standin::ColorizationRecord* record,
                                                UINT argument) {
  if (record == nullptr) return E_POINTER;
  standin::SaveRecord(*record);
  standin::AppendLogLine("write " + standin::DescribeRecord(*record) +
                         " Argument=" + std::to_string(argument));
#ifndef TINTARA_STANDIN_PLANTED
  standin::NoteColorizationWritten();
#endif
  return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  DisableThreadLibraryCalls(instance);
#ifdef TINTARA_STANDIN_PLANTED
  standin::AppendLogLine("load planted module=" + standin::ToUtf8(ModulePath(instance)));
  LeavePlantedMarker(instance);
#else
  standin::AppendLogLine("load module=" + standin::ToUtf8(ModulePath(instance)));
  standin::StartPeersFromEnvironment(instance);
#endif
  return TRUE;
}

}  // extern "C"
