// The memory and string functions the compiler and the standard library call (block copies,
// std::string's char_traits). Plain byte loops: the program copies short texts and small
// records; whole files are copied by CopyFileA. This file is built so that the compiler does
// not turn the loops back into calls of the very functions they define.
#include <cstddef>

extern "C" {

void* memcpy(void* target, const void* source, std::size_t count) {
    unsigned char* t = static_cast<unsigned char*>(target);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    while (count--)
        *t++ = *s++;
    return target;
}

void* memmove(void* target, const void* source, std::size_t count) {
    unsigned char* t = static_cast<unsigned char*>(target);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    if (t < s) {
        while (count--)
            *t++ = *s++;
    } else {
        while (count--)
            t[count] = s[count];
    }
    return target;
}

void* memset(void* target, int value, std::size_t count) {
    unsigned char* t = static_cast<unsigned char*>(target);
    while (count--)
        *t++ = static_cast<unsigned char>(value);
    return target;
}

int memcmp(const void* left, const void* right, std::size_t count) {
    const unsigned char* l = static_cast<const unsigned char*>(left);
    const unsigned char* r = static_cast<const unsigned char*>(right);
    for (; count; --count, ++l, ++r)
        if (*l != *r) return *l < *r ? -1 : 1;
    return 0;
}

void* memchr(const void* block, int value, std::size_t count) {
    const unsigned char* b = static_cast<const unsigned char*>(block);
    for (; count; --count, ++b)
        if (*b == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(b);
    return nullptr;
}

std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end)
        ++end;
    return static_cast<std::size_t>(end - text);
}

std::size_t strnlen(const char* text, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && text[length])
        ++length;
    return length;
}

char* strchr(const char* text, int value) {
    const char c = static_cast<char>(value);
    for (;; ++text) {
        if (*text == c) return const_cast<char*>(text);
        if (!*text) return nullptr;
    }
}

int strcmp(const char* left, const char* right) {
    const unsigned char* l = reinterpret_cast<const unsigned char*>(left);
    const unsigned char* r = reinterpret_cast<const unsigned char*>(right);
    while (*l && *l == *r)
        ++l, ++r;
    return *l < *r ? -1 : (*l > *r ? 1 : 0);
}

int strncmp(const char* left, const char* right, std::size_t count) {
    const unsigned char* l = reinterpret_cast<const unsigned char*>(left);
    const unsigned char* r = reinterpret_cast<const unsigned char*>(right);
    for (; count; --count, ++l, ++r) {
        if (*l != *r) return *l < *r ? -1 : 1;
        if (!*l) return 0;
    }
    return 0;
}

} // extern "C"
