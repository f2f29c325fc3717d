// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/baseClss.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "lib/canvas.h"
#include "lib/classRegistry.h"
#include "lib/infoMessage.h"
#include "lib/valueClasses.h"
#include "lib/valueStream.h"

namespace {

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalUpperCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiUpper(x) == asciiUpper(y); });
}

// a against b: the same when they differ by at most tolerance (0 selects the relative default
// max(min(|a|, |b|) * unit, unit)); otherwise ordered. A negative tolerance makes nothing the
// same. NaN has no order of its own: it equals NaN and comes after every number. Infinities
// are ordered exactly: one equals only an infinity of the same sign (differences and relative
// tolerances are meaningless there).
template <typename Float>
std::int32_t compareWithTolerance(Float a, Float b, Float tolerance, Float unit) {
    if (std::isnan(a) || std::isnan(b)) {
        if (std::isnan(a) && std::isnan(b)) return kCompareEqual;
        return std::isnan(a) ? kCompareGreater : kCompareLess;
    }
    if (std::isinf(a) || std::isinf(b)) return orderAgainst(a, b);
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

void TString::saveValue(TWriter& writer) { writer.putString(m_text); }
void TString::loadValue(TReader& reader) { m_text = reader.getString(); }

std::int32_t TChar::compare(TBase* other) {
    const auto* that = otherOfSameClass<TChar>(other);
    if (that == nullptr) return kCompareOtherClass;
    return orderAgainst(static_cast<unsigned char>(m_value),
                        static_cast<unsigned char>(that->getValue()));
}

std::unique_ptr<TBase> TChar::copy() { return std::make_unique<TChar>(m_value); }
void TChar::saveValue(TWriter& writer) { writer.putChar(m_value); }
void TChar::loadValue(TReader& reader) { m_value = reader.getChar(); }

void TChar::paintValue(TCanvas& image, std::int32_t x, std::int32_t y) {
    image.setFont(TFont{.name = "MS SANS SERIF", .size = 8, .color = clBlack, .bold = true});
    image.setPenColor(clBlack);
    image.textOut(x, y, std::string(1, m_value));
}

void saveInteger(TWriter& writer, std::int32_t value) { writer.putInteger(value); }
std::int32_t loadInteger(TReader& reader) { return reader.getInteger(); }

void TInt64Traits::save(TWriter& writer, Value value) { writer.putInt64(value); }
auto TInt64Traits::load(TReader& reader) -> Value { return reader.getInt64(); }

void TBooleanTraits::save(TWriter& writer, Value value) { writer.putBoolean(value); }
auto TBooleanTraits::load(TReader& reader) -> Value { return reader.getBoolean(); }

std::int32_t TTBruchTraits::order(TBruch mine, TBruch theirs) {
    // 64-bit products keep the order right where 32-bit ones would overflow.
    const std::int64_t p = std::int64_t{mine.denominator} * theirs.numerator;
    const std::int64_t q = std::int64_t{mine.numerator} * theirs.denominator;
    if (p > q) return kCompareLess;
    return p == q ? kCompareEqual : kCompareGreater;
}

void TTBruchTraits::save(TWriter& writer, Value value) {
    writer.putInteger(value.numerator);
    writer.putInteger(value.denominator);
}

// Both numbers are read before either is stored, so a failed read leaves the fraction whole.
auto TTBruchTraits::load(TReader& reader) -> Value {
    const std::int32_t numerator = reader.getInteger();
    return {numerator, reader.getInteger()};
}

std::int32_t TRealTraits::compare(double mine, double theirs, double myTolerance, double) {
    return compareWithTolerance(mine, theirs, myTolerance, 1E-12);
}

void TRealTraits::save(TWriter& writer, Value value) { writer.putFloat(value); }
// Rounds to the nearest double; beyond the double range that is an infinity.
auto TRealTraits::load(TReader& reader) -> Value { return static_cast<double>(reader.getFloat()); }

std::int32_t TExtendedTraits::compare(long double mine, long double theirs, long double,
                                      long double theirTolerance) {
    return compareWithTolerance(mine, theirs, theirTolerance, 1E-16L);
}

void TExtendedTraits::save(TWriter& writer, Value value) { writer.putFloat(value); }
auto TExtendedTraits::load(TReader& reader) -> Value { return reader.getFloat(); }

void registerBaseClss() {
    TClassRegistry& registry = classRegistry();
    registry.registerClass<TBase>();
    forEachValueClass([&]<typename T>() { registry.registerClass<T>(); });
}
