// The C and C++ heap functions over the process heap of kernel32 (HeapAlloc exists since
// Windows 95, so the program needs no C runtime DLL). operator new never returns null: when
// the heap is exhausted the program ends with an error box, as nothing in it could go on.
#include <windows.h>

#include <cstddef>
#include <new>

#include "platform/win32/startup/FatalError.h"

extern "C" {

void* malloc(std::size_t size) {
    // Windows 95's heap is not documented to accept a size of 0; one byte behaves the same.
    return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}

void free(void* block) {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

void* calloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > static_cast<std::size_t>(-1) / size) return nullptr;
    const std::size_t total = count * size;
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, total ? total : 1);
}

void* realloc(void* block, std::size_t size) {
    if (!block) return malloc(size);
    if (size == 0) {
        free(block);
        return nullptr;
    }
    return HeapReAlloc(GetProcessHeap(), 0, block, size);
}

} // extern "C"

namespace {

void* allocateOrEnd(std::size_t size) {
    if (void* block = malloc(size)) return block;
    talvek::startup::fatalError("Nicht genügend Arbeitsspeicher.");
}

} // namespace

void* operator new(std::size_t size) {
    return allocateOrEnd(size);
}
void* operator new[](std::size_t size) {
    return allocateOrEnd(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return malloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return malloc(size);
}
void operator delete(void* block) noexcept {
    free(block);
}
void operator delete[](void* block) noexcept {
    free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    free(block);
}
