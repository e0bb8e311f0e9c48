// The few calls into portable code that still raises its errors go through here, so that the
// error comes back as a value like every other; the window procedures let nothing unwind
// through the platform's frames. Goes once that code returns its errors itself.
#pragma once
#include "config/Error.h"

#if __cpp_exceptions
#include <exception>
#endif

namespace talvek::ui {

template <typename Call> AppError caughtError(Call&& call) {
#if __cpp_exceptions
    try {
        call();
    } catch (const AppError& error) {
        return error;
    } catch (const std::exception& error) {
        return AppError(error.what());
    } catch (...) {
        return AppError("Unbekannter Fehler");
    }
#else
    call();
#endif
    return AppError();
}

} // namespace talvek::ui
