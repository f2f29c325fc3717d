#include "lib/baseClss.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "lib/canvas.h"
#include "lib/classRegistry.h"
#include "lib/infoMessage.h"
#include "lib/valueStream.h"

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

void TString::saveValue(TWriter& writer) { writer.putString(m_text); }
void TString::loadValue(TReader& reader) { m_text = reader.getString(); }

void TChar::saveValue(TWriter& writer) { writer.putChar(m_value); }
void TChar::loadValue(TReader& reader) { m_value = reader.getChar(); }

void TInteger::saveValue(TWriter& writer) { writer.putInteger(m_value); }
void TInteger::loadValue(TReader& reader) { m_value = reader.getInteger(); }

void TInt64::saveValue(TWriter& writer) { writer.putInt64(m_value); }
void TInt64::loadValue(TReader& reader) { m_value = reader.getInt64(); }

void TByte::saveValue(TWriter& writer) { writer.putInteger(m_value); }
void TByte::loadValue(TReader& reader) {
    m_value = static_cast<std::uint8_t>(reader.getInteger() & 0xFF);
}

void TWord::saveValue(TWriter& writer) { writer.putInteger(m_value); }
void TWord::loadValue(TReader& reader) {
    m_value = static_cast<std::uint16_t>(reader.getInteger() & 0xFFFF);
}

void TLongint::saveValue(TWriter& writer) { writer.putInteger(m_value); }
void TLongint::loadValue(TReader& reader) { m_value = reader.getInteger(); }

void TReal::saveValue(TWriter& writer) { writer.putFloat(m_value); }
// Rounds to the nearest double; beyond the double range that is an infinity.
void TReal::loadValue(TReader& reader) { m_value = static_cast<double>(reader.getFloat()); }

void TExtended::saveValue(TWriter& writer) { writer.putFloat(m_value); }
void TExtended::loadValue(TReader& reader) { m_value = reader.getFloat(); }

void TBoolean::saveValue(TWriter& writer) { writer.putBoolean(m_value); }
void TBoolean::loadValue(TReader& reader) { m_value = reader.getBoolean(); }

void TTColor::saveValue(TWriter& writer) { writer.putInteger(m_value); }
void TTColor::loadValue(TReader& reader) { m_value = reader.getInteger(); }

void TTBruch::saveValue(TWriter& writer) {
    writer.putInteger(m_value.numerator);
    writer.putInteger(m_value.denominator);
}

// Both numbers are read before either is stored, so a failed read leaves the fraction whole.
void TTBruch::loadValue(TReader& reader) {
    const std::int32_t numerator = reader.getInteger();
    m_value = {numerator, reader.getInteger()};
}

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
