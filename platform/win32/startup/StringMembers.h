// Members of std::string that are templates themselves stand outside the library's explicit
// instantiation of the class, so every object would compile its own copy of them. Declared
// here (the build includes this header in every Windows object), they are compiled once, in
// StringMembers.cpp.
#pragma once
// The library's error exits name the function that failed, and every instantiation of a
// container keeps its own copy of that name: twenty copies of "vector::_M_realloc_insert".
// Named by nobody, the error box says "Interner Fehler in der Laufzeitbibliothek."; the
// library's configuration is included once, so the name stays empty in every header after it.
#include <bits/c++config.h>
#undef __N
#define __N(msgid) (talvekUnnamedLibraryFunction)
extern "C" const char talvekUnnamedLibraryFunction[];

#include <string>

extern template std::string::basic_string(const char*, const std::allocator<char>&);

// The program's most common container: its members once, not in every object that uses it.
#include <vector>
extern template class std::vector<std::string>;
