// The outcome of an operation that can fail: success, or the text the error box shows.
// Errors travel as values: the program is built without C++ exceptions, so an operation
// that fails returns its Status and the caller stops where it is.
#pragma once
#include <string>
#include <utility>

namespace talvek {

class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status error(std::string text) { return Status(std::move(text)); }

    bool ok() const { return !failed_; }
    bool failed() const { return failed_; }
    const std::string& text() const { return text_; }

  private:
    explicit Status(std::string text) : failed_(true), text_(std::move(text)) {}

    bool failed_ = false;
    std::string text_;
};

// Returns the status from the calling function when it is an error.
#define TALVEK_TRY(expr)                                                                           \
    do {                                                                                           \
        ::talvek::Status talvekStatus_ = (expr);                                                   \
        if (talvekStatus_.failed()) return talvekStatus_;                                          \
    } while (0)

} // namespace talvek
