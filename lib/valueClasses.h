// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <tuple>

#include "lib/baseClss.h"

// The twelve value classes of the library, in registration order: the one list from which the
// registry's entries, the classes a tree file may hold and the JSON printer all follow.
using TValueClasses = std::tuple<TChar, TString, TInteger, TInt64, TByte, TWord, TLongint, TReal,
                                 TExtended, TBoolean, TTColor, TTBruch>;

// Calls visit.template operator()<T>() for every value class T, in the list's order.
template <typename Visitor>
void forEachValueClass(Visitor&& visit) {
    [&]<typename... T>(std::tuple<T...>*) {
        (visit.template operator()<T>(), ...);
    }(static_cast<TValueClasses*>(nullptr));
}

// True when name is, byte for byte, the name of a value class.
inline bool isValueClassName(std::string_view name) {
    bool found = false;
    forEachValueClass([&]<typename T>() { found = found || name == T::kClassName; });
    return found;
}
