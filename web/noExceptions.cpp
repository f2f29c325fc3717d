// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's wasm libc++abi has no exception support, so a throw in the module ends it: the
// exception is built, then the module traps, and the page shows its German error message. The
// engine's calls that take the page's input say no instead of throwing (a checked count,
// results that may be empty), so these only guard what cannot happen.

#include <cstdlib>

extern "C" {

void* __cxa_allocate_exception(std::size_t size) noexcept { return std::malloc(size); }

[[noreturn]] void __cxa_throw(void*, void*, void (*)(void*)) { __builtin_trap(); }
}
