// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/classRegistry.h"

#include <algorithm>
#include <string>

#include "lib/errors.h"

namespace {

bool namesMatch(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return ((x ^ y) & ~0x20) == 0; });
}

}  // namespace

const TClassEntry* TClassRegistry::lookUp(std::string_view name) const {
    const auto it = std::ranges::find_if(
        m_entries, [name](const TClassEntry& entry) { return namesMatch(entry.name, name); });
    return it == m_entries.end() ? nullptr : &*it;
}

void TClassRegistry::registerClass(const TClassEntry& entry) {
    const TClassEntry* present = lookUp(entry.name);
    if (present != nullptr && present->name == entry.name &&
        present->createEmpty == entry.createEmpty) {
        return;
    }
    if (present != nullptr) {
        throw EFilerError("Klasse mit der Bezeichnung " + entry.name + " existiert bereits");
    }
    m_entries.push_back(entry);
}

const TClassEntry& TClassRegistry::find(std::string_view name) const {
    const TClassEntry* entry = lookUp(name);
    if (entry == nullptr) throw EClassNotFound(name);
    return *entry;
}

std::vector<std::string_view> TClassRegistry::names() const {
    std::vector<std::string_view> result;
    result.reserve(m_entries.size());
    for (const TClassEntry& entry : m_entries) result.push_back(entry.name);
    return result;
}

TClassRegistry& classRegistry() {
    static TClassRegistry registry;
    return registry;
}
