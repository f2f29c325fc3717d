// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's wasm libc++abi has no exception support, so a throw in the module ends it: the
// exception is built, then the module traps, and the page shows its German error message. The
// exports check their inputs, so that the engine never throws in the first place.

#include <cstdlib>

extern "C" {

void* __cxa_allocate_exception(std::size_t size) noexcept { return std::malloc(size); }

[[noreturn]] void __cxa_throw(void*, void*, void (*)(void*)) { __builtin_trap(); }
}
