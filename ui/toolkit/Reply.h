// What a message handler gives back: the value the platform expects for the message and, when
// the handler failed, its error. The window procedure shows that error; handlers never do.
#pragma once
#include <windows.h>

#include <utility>

#include "config/Error.h"

namespace talvek::ui {

struct Reply {
    Reply(LRESULT value = 0) : value(value) {}
    Reply(AppError failure) : error(std::move(failure)) {}
    LRESULT value = 0;
    AppError error;
};

} // namespace talvek::ui
