#include "platform/win32/startup/StringMembers.h"

template std::string::basic_string(const char*, const std::allocator<char>&);
template class std::vector<std::string>;
