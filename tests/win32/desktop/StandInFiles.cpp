#include "StandInFiles.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tintara::test {
namespace {

std::filesystem::path MakeFreshFolder() {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
  std::filesystem::path folder =
      std::filesystem::path(temp) / (L"tintara-standin-" + std::to_wstring(GetCurrentProcessId()) +
                                     L"-" + std::to_wstring(GetTickCount64()));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

StandInFiles::StandInFiles()
    : folder_(MakeFreshFolder()), record_(folder_ / L"record.bin"), log_(folder_ / L"writes.log") {
  SetEnvironmentVariableW(L"TINTARA_STANDIN_RECORD", record_.c_str());
  SetEnvironmentVariableW(L"TINTARA_STANDIN_LOG", log_.c_str());
  SetComposition(nullptr);
  SetRead(nullptr);
}

StandInFiles::~StandInFiles() {
  SetEnvironmentVariableW(L"TINTARA_STANDIN_RECORD", nullptr);
  SetEnvironmentVariableW(L"TINTARA_STANDIN_LOG", nullptr);
  SetComposition(nullptr);
  SetRead(nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void StandInFiles::WriteRecord(const ColorizationParams& record) const {
  std::ofstream out(record_, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&record), sizeof record);
  if (!out) throw std::runtime_error("stand-in record not written");
}

std::optional<ColorizationParams> StandInFiles::ReadRecord() const {
  std::ifstream in(record_, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != sizeof(ColorizationParams)) return std::nullopt;
  ColorizationParams record;
  std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(&record));
  return record;
}

std::string StandInFiles::ReadLog() const {
  std::ifstream in(log_, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void StandInFiles::SetComposition(const wchar_t* value) {
  SetEnvironmentVariableW(L"TINTARA_STANDIN_COMPOSITION", value);
}

void StandInFiles::SetRead(const wchar_t* value) {
  SetEnvironmentVariableW(L"TINTARA_STANDIN_READ", value);
}

}  // namespace tintara::test
