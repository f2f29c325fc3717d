#include "lib/baseClss.h"

#include <algorithm>
#include <cstdlib>

#include "lib/classRegistry.h"
#include "lib/infoMessage.h"

namespace {

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalUpperCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiUpper(x) == asciiUpper(y); });
}

}  // namespace

void TBase::notOverridden(std::string_view operation) {
    showInfoMessage("TBase." + std::string(operation) +
                    " wurde nicht überschrieben - das Programm wird daher abgebrochen");
    // A programming error ends the program; it must not look like success.
    std::exit(EXIT_FAILURE);
}

void TBase::writeValue() { notOverridden("writeValue"); }
void TBase::saveValue(TWriter&) { notOverridden("saveValue"); }
void TBase::loadValue(TReader&) { notOverridden("loadValue"); }
std::int32_t TBase::compare(TBase*) { notOverridden("compare"); }
std::int32_t TBase::compare(TBase*, std::int32_t) { notOverridden("compare"); }
std::unique_ptr<TBase> TBase::copy() { notOverridden("copy"); }
void TBase::paintValue(TCanvas&, std::int32_t, std::int32_t) { notOverridden("paintValue"); }

bool TBase::isSameClass(const TBase* other) const {
    return other != nullptr && equalUpperCase(className(), other->className());
}

std::int32_t TString::compare(TBase* other) {
    if (!isSameClass(other)) return kCompareOtherClass;
    const auto* otherString = dynamic_cast<const TString*>(other);
    if (otherString == nullptr) return kCompareOtherClass;

    const std::string& mine = m_text;
    const std::string& theirs = otherString->m_text;
    const std::size_t common = std::min(mine.size(), theirs.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(mine[i]);
        const auto b = static_cast<unsigned char>(theirs[i]);
        if (a != b) return a < b ? kCompareLess : kCompareGreater;
    }
    if (mine.size() == theirs.size()) return kCompareEqual;
    return mine.size() < theirs.size() ? kCompareLess : kCompareGreater;
}

std::unique_ptr<TBase> TString::copy() { return std::make_unique<TString>(m_text); }

void registerBaseClss() {
    TClassRegistry& registry = classRegistry();
    registry.registerClass<TBase>();
    registry.registerClass<TString>();
}
