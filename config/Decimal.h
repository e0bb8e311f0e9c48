// Numbers as the program writes them into files and texts.
#pragma once
#include <string>

namespace talvek {

// The decimal digits of `value`, with a minus sign when it is negative. One function for
// every number the program writes: std::to_string brings code and a digit table along for
// each type it is used with.
std::string decimalText(long value);

} // namespace talvek
