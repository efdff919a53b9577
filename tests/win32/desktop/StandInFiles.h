#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace tintara::test {

// The files through which the colorization stand-in keeps its record and logs its
// writes, named to it through the environment for as long as this object lives. The
// stand-in reads the environment when it is called, so the library may be loaded
// before or after.
class StandInFiles {
 public:
  StandInFiles();
  ~StandInFiles();
  StandInFiles(const StandInFiles&) = delete;
  StandInFiles& operator=(const StandInFiles&) = delete;

  void WriteRecord(const ColorizationParams& record) const;
  // nullopt unless the file holds exactly one record.
  std::optional<ColorizationParams> ReadRecord() const;
  std::string ReadLog() const;

  // TINTARA_STANDIN_COMPOSITION: "off", "fail" or nothing (on).
  static void SetComposition(const wchar_t* value);
  // TINTARA_STANDIN_READ: "fail" or nothing (reads succeed).
  static void SetRead(const wchar_t* value);

 private:
  std::filesystem::path folder_;
  std::filesystem::path record_;
  std::filesystem::path log_;
};

}  // namespace tintara::test
