// Members of std::string that are templates themselves stand outside the library's explicit
// instantiation of the class, so every object would compile its own copy of them. Declared
// here (the build includes this header in every Windows object), they are compiled once, in
// StringMembers.cpp.
#pragma once
#include <string>

extern template std::string::basic_string(const char*, const std::allocator<char>&);
