// The last word of a program that cannot go on: an error box, then the end of the process.
#pragma once

namespace talvek::startup {

// Shows text in the program's error box (no owner window: the failing code may be anywhere) and
// ends the process with exit code 1. Allocates nothing, so it works when the heap is exhausted.
[[noreturn]] void fatalError(const char* text);

} // namespace talvek::startup
