// The error of an operation below the user interface, passed back as a value: an operation that
// can fail returns one, empty when it succeeded, and the caller stops where it gets a failed one.
// Its text is shown as it stands.
#pragma once
#include <string>
#include <utility>

namespace talvek {

class [[nodiscard]] AppError {
  public:
    AppError() = default; // no error
    explicit AppError(std::string text) : failed_(true), text_(std::move(text)) {}

    explicit operator bool() const { return failed_; }
    const std::string& text() const { return text_; }
    // The text, as code that still raises the error and catches it reads it.
    const char* what() const { return text_.c_str(); }

  private:
    bool failed_ = false;
    std::string text_;
};

} // namespace talvek
