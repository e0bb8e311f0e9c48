// The error of an operation, passed back as a value: an operation that can fail returns one,
// empty when it succeeded, and the caller stops where it gets a failed one. The program is
// built without C++ exceptions; the window procedures show a failed one in the error box,
// its text as it stands.
#pragma once
#include <string>

namespace talvek {

// Its members are compiled once (Error.cpp): an error is passed on at every call that can
// fail, and each inlined string move or destruction there would cost code.
class [[nodiscard]] AppError {
  public:
    AppError() = default; // no error
    explicit AppError(std::string text);
    explicit AppError(const char* text);
    AppError(AppError&& other) noexcept;
    AppError& operator=(AppError&& other) noexcept;
    AppError(const AppError& other);
    AppError& operator=(const AppError& other);
    ~AppError();

    explicit operator bool() const { return failed_; }
    bool ok() const { return !failed_; }
    bool failed() const { return failed_; }
    const std::string& text() const { return text_; }

  private:
    bool failed_ = false;
    std::string text_;
};

// Returns the error from the calling function when the expression gives one.
#define TALVEK_TRY(expr)                                                                           \
    do {                                                                                           \
        ::talvek::AppError talvekError_ = (expr);                                                  \
        if (talvekError_) return talvekError_;                                                     \
    } while (0)

} // namespace talvek
