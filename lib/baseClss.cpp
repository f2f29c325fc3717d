#include "lib/baseClss.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "lib/canvas.h"
#include "lib/classRegistry.h"
#include "lib/infoMessage.h"

namespace {

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalUpperCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiUpper(x) == asciiUpper(y); });
}

// The order of mine against theirs: kCompareLess when theirs is greater, kCompareEqual when they
// are equal, kCompareGreater otherwise.
template <typename T>
std::int32_t orderAgainst(T mine, T theirs) {
    if (theirs > mine) return kCompareLess;
    if (theirs == mine) return kCompareEqual;
    return kCompareGreater;
}

// a against b: the same when they differ by at most tolerance (0 selects the relative default
// max(min(|a|, |b|) * unit, unit)); otherwise ordered. A negative tolerance makes nothing the
// same. NaN has no order of its own: it equals NaN and comes after every number.
template <typename Float>
std::int32_t compareWithTolerance(Float a, Float b, Float tolerance, Float unit) {
    if (std::isnan(a) || std::isnan(b)) {
        if (std::isnan(a) && std::isnan(b)) return kCompareEqual;
        return std::isnan(a) ? kCompareGreater : kCompareLess;
    }
    if (tolerance == 0) tolerance = std::max(std::min(std::fabs(a), std::fabs(b)) * unit, unit);
    const bool same = a > b ? a - b <= tolerance : b - a <= tolerance;
    if (same) return kCompareEqual;
    return a >= b ? kCompareGreater : kCompareLess;
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

std::int32_t TChar::compare(TBase* other) {
    const auto* that = otherOfSameClass<TChar>(other);
    if (that == nullptr) return kCompareOtherClass;
    return orderAgainst(static_cast<unsigned char>(m_value),
                        static_cast<unsigned char>(that->getValue()));
}

std::unique_ptr<TBase> TChar::copy() { return std::make_unique<TChar>(m_value); }

void TChar::paintValue(TCanvas& image, std::int32_t x, std::int32_t y) {
    image.setFont(TFont{.name = "MS SANS SERIF", .size = 8, .color = clBlack, .bold = true});
    image.setPenColor(clBlack);
    image.textOut(x, y, std::string(1, m_value));
}

std::int32_t TInteger::compare(TBase* other) {
    const auto* that = otherOfSameClass<TInteger>(other);
    return that == nullptr ? kCompareOtherClass : orderAgainst(m_value, that->getValue());
}

std::unique_ptr<TBase> TInteger::copy() { return std::make_unique<TInteger>(m_value); }

std::int32_t TInt64::compare(TBase* other) {
    const auto* that = otherOfSameClass<TInt64>(other);
    return that == nullptr ? kCompareOtherClass : orderAgainst(m_value, that->getValue());
}

std::unique_ptr<TBase> TInt64::copy() { return std::make_unique<TInt64>(m_value); }

std::int32_t TByte::compare(TBase* other) {
    const auto* that = otherOfSameClass<TByte>(other);
    return that == nullptr ? kCompareOtherClass : orderAgainst(m_value, that->getValue());
}

std::unique_ptr<TBase> TByte::copy() { return std::make_unique<TByte>(m_value); }

std::int32_t TWord::compare(TBase* other) {
    const auto* that = otherOfSameClass<TWord>(other);
    return that == nullptr ? kCompareOtherClass : orderAgainst(m_value, that->getValue());
}

std::unique_ptr<TBase> TWord::copy() { return std::make_unique<TWord>(m_value); }

std::int32_t TLongint::compare(TBase* other) {
    const auto* that = otherOfSameClass<TLongint>(other);
    return that == nullptr ? kCompareOtherClass : orderAgainst(m_value, that->getValue());
}

std::unique_ptr<TBase> TLongint::copy() { return std::make_unique<TLongint>(m_value); }

std::int32_t TReal::compare(TBase* other) {
    const auto* that = otherOfSameClass<TReal>(other);
    if (that == nullptr) return kCompareOtherClass;
    return compareWithTolerance(m_value, that->getValue(), m_tolerance, 1E-12);
}

std::unique_ptr<TBase> TReal::copy() { return std::make_unique<TReal>(m_value, m_tolerance); }

std::int32_t TExtended::compare(TBase* other) {
    const auto* that = otherOfSameClass<TExtended>(other);
    if (that == nullptr) return kCompareOtherClass;
    return compareWithTolerance(m_value, that->getValue(), that->getTolerance(), 1E-16L);
}

std::unique_ptr<TBase> TExtended::copy() {
    return std::make_unique<TExtended>(m_value, m_tolerance);
}

std::int32_t TBoolean::compare(TBase* other) {
    const auto* that = otherOfSameClass<TBoolean>(other);
    if (that == nullptr) return kCompareOtherClass;
    return that->getValue() == m_value ? kCompareEqual : kCompareGreater;
}

std::unique_ptr<TBase> TBoolean::copy() { return std::make_unique<TBoolean>(m_value); }

std::int32_t TTColor::compare(TBase* other) {
    const auto* that = otherOfSameClass<TTColor>(other);
    return that == nullptr ? kCompareOtherClass : orderAgainst(m_value, that->getValue());
}

std::unique_ptr<TBase> TTColor::copy() { return std::make_unique<TTColor>(m_value); }

std::int32_t TTBruch::compare(TBase* other) {
    const auto* that = otherOfSameClass<TTBruch>(other);
    if (that == nullptr) return kCompareOtherClass;
    // 64-bit products keep the order right where 32-bit ones would overflow.
    const TBruch theirs = that->getValue();
    const std::int64_t p = std::int64_t{m_value.denominator} * theirs.numerator;
    const std::int64_t q = std::int64_t{m_value.numerator} * theirs.denominator;
    if (p > q) return kCompareLess;
    return p == q ? kCompareEqual : kCompareGreater;
}

std::unique_ptr<TBase> TTBruch::copy() { return std::make_unique<TTBruch>(m_value); }

void registerBaseClss() {
    TClassRegistry& registry = classRegistry();
    registry.registerClass<TBase>();
    registry.registerClass<TChar>();
    registry.registerClass<TString>();
    registry.registerClass<TInteger>();
    registry.registerClass<TInt64>();
    registry.registerClass<TByte>();
    registry.registerClass<TWord>();
    registry.registerClass<TLongint>();
    registry.registerClass<TReal>();
    registry.registerClass<TExtended>();
    registry.registerClass<TBoolean>();
    registry.registerClass<TTColor>();
    registry.registerClass<TTBruch>();
}
