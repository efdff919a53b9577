#pragma once

#include <stdexcept>
#include <string>

namespace tintara {

// A failure that no handler catches on its own; its text is what the general error
// report shows, so it must be the exact user-facing message.
class PlatformError : public std::runtime_error {
 public:
  explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tintara
