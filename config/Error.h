// The error type raised below the user interface; its text is shown as it stands.
#pragma once
#include <stdexcept>
#include <string>

namespace talvek {

class AppError : public std::runtime_error {
  public:
    explicit AppError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace talvek
