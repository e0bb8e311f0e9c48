// The library's error exits. The standard library calls these where it would throw (a string
// grown beyond its maximum length, a vector index out of range, an empty std::function called);
// this program has no handler for such faults, so each ends it with an error box naming the
// failing function. Defining them here also keeps the library's exception objects out of the exe.
#include <windows.h>

#include <cstdarg>
#include <string>

#include "platform/win32/startup/FatalError.h"

namespace {

[[noreturn]] void internalError(const char* where) {
    char text[200];
    lstrcpynA(text, "Interner Fehler in ", sizeof text);
    const int used = lstrlenA(text);
    lstrcpynA(text + used, where && *where ? where : "der Laufzeitbibliothek", sizeof text - used - 1);
    const int end = lstrlenA(text);
    text[end] = '.';
    text[end + 1] = '\0';
    talvek::startup::fatalError(text);
}

const char* const kOutOfMemory = "Nicht genügend Arbeitsspeicher.";

} // namespace

namespace std {

void __throw_bad_alloc() {
    talvek::startup::fatalError(kOutOfMemory);
}
void __throw_bad_array_new_length() {
    talvek::startup::fatalError(kOutOfMemory);
}
void __throw_length_error(const char* where) {
    internalError(where);
}
void __throw_logic_error(const char* where) {
    internalError(where);
}
void __throw_out_of_range(const char* where) {
    internalError(where);
}
void __throw_invalid_argument(const char* where) {
    internalError(where);
}
void __throw_runtime_error(const char* where) {
    internalError(where);
}
void __throw_range_error(const char* where) {
    internalError(where);
}
void __throw_domain_error(const char* where) {
    internalError(where);
}
void __throw_overflow_error(const char* where) {
    internalError(where);
}
void __throw_underflow_error(const char* where) {
    internalError(where);
}
void __throw_bad_cast() {
    internalError("std::bad_cast");
}
void __throw_bad_typeid() {
    internalError("std::bad_typeid");
}
void __throw_bad_exception() {
    internalError("std::bad_exception");
}
void __throw_bad_function_call() {
    internalError("std::function");
}
// The formatted variant gets a printf-like pattern whose first argument names the function.
void __throw_out_of_range_fmt(const char* pattern, ...) {
    const char* where = pattern;
    if (pattern[0] == '%' && pattern[1] == 's') {
        va_list args;
        va_start(args, pattern);
        where = va_arg(args, const char*);
        va_end(args);
    }
    internalError(where);
}

} // namespace std

extern "C" void abort() {
    internalError(nullptr);
}

// A call through a pure or deleted virtual function (during construction or destruction).
extern "C" void __cxa_pure_virtual() {
    internalError("__cxa_pure_virtual");
}
extern "C" void __cxa_deleted_virtual() {
    internalError("__cxa_deleted_virtual");
}
