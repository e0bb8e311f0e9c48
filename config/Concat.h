// One text of several pieces in one allocation: each a + b + c chain would make a temporary
// string per "+" and cost the program's size a call sequence each.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace talvek {

std::string concat(std::initializer_list<std::string_view> pieces);

} // namespace talvek
