// The standard library's std::string, instantiated here for the processor this program is
// built for. The prebuilt library's copy is compiled for a later processor; with this one in
// the program, the linker has no reason to take it.
#include <memory>
#include <string>

template class std::allocator<char>;
template class std::__cxx11::basic_string<char>;
