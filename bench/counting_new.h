// Replaces the global operator new with one that counts allocations while asked to. Include it in
// exactly one source file of an executable: it defines the replacements.
#pragma once

#include <cstdlib>
#include <new>

// A replaced global operator new can only sit on malloc and free, and only report through globals.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables, cppcoreguidelines-no-malloc)
namespace uragae::bench {
inline bool countingAllocations = false;
inline long long allocationCount = 0;
}  // namespace uragae::bench

// All three are kept out of line: once inlined next to each other, GCC takes malloc() and free()
// behind them for a mismatched pair.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    if (uragae::bench::countingAllocations) {
        ++uragae::bench::allocationCount;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t /*size*/) noexcept { std::free(memory); }
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables, cppcoreguidelines-no-malloc)
