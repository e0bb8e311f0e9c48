#include "config/Error.h"

#include <utility>

namespace talvek {

AppError::AppError(std::string text) : failed_(true), text_(std::move(text)) {}

AppError::AppError(const char* text) : failed_(true), text_(text) {}

AppError::AppError(AppError&& other) noexcept
    : failed_(other.failed_), text_(std::move(other.text_)) {}

AppError& AppError::operator=(AppError&& other) noexcept {
    failed_ = other.failed_;
    text_ = std::move(other.text_);
    return *this;
}

AppError::AppError(const AppError& other) = default;

AppError& AppError::operator=(const AppError& other) = default;

AppError::~AppError() = default;

} // namespace talvek
