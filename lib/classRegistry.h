// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lib/baseClss.h"

// How the registry knows a class: its name and how to create an empty object of it (every
// field zero, every text empty).
struct TClassEntry {
    std::string name;
    std::unique_ptr<TBase> (*createEmpty)();
};

// The one entry of class T. T needs a static kClassName and a default constructor.
template <typename T>
const TClassEntry& classEntryOf() {
    static const TClassEntry entry{std::string(T::kClassName), []() -> std::unique_ptr<TBase> {
                                       return std::make_unique<T>();
                                   }};
    return entry;
}

// A table from class name to class, so that stored values can be re-created by name.
class TClassRegistry {
public:
    // Enters a copy of the entry under its name. The same class (same name, same creation)
    // entered again changes nothing; another class under a matching name raises EFilerError
    // "Klasse mit der Bezeichnung %s existiert bereits".
    void registerClass(const TClassEntry& entry);
    template <typename T>
    void registerClass() {
        registerClass(classEntryOf<T>());
    }

    // The class whose name matches: same length, bytes equal once bit 0x20 is disregarded (so
    // ASCII letters match in any case). Raises EClassNotFound "Klasse %s nicht gefunden". The
    // entry stays valid as long as the registry.
    const TClassEntry& find(std::string_view name) const;

    // The registered names in registration order.
    std::vector<std::string_view> names() const;

private:
    const TClassEntry* lookUp(std::string_view name) const;

    std::deque<TClassEntry> m_entries;  // a deque keeps entries in place as it grows
};

// The process-wide registry, filled at start-up and only read afterwards.
TClassRegistry& classRegistry();
