// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "lib/colors.h"

class TCanvas;
class TReader;
class TWriter;

// Result of compare, shared by every class of the library.
inline constexpr std::int32_t kCompareLess = -1;
inline constexpr std::int32_t kCompareEqual = 0;
inline constexpr std::int32_t kCompareGreater = 1;
inline constexpr std::int32_t kCompareOtherClass = 2;

// The abstract value object at the root of the library. Containers hold their elements as
// TBase and use only these operations. An operation that a class does not override shows
// "TBase.<operation> wurde nicht überschrieben - das Programm wird daher abgebrochen" as an
// information message and then ends the program with EXIT_FAILURE; it never returns.
class TBase {
public:
    static constexpr std::string_view kClassName = "TBase";

    TBase() = default;
    virtual ~TBase() = default;
    TBase(const TBase&) = delete;
    TBase& operator=(const TBase&) = delete;

    // The name of the object's most derived class, spelled as the class is named.
    virtual std::string_view className() const { return kClassName; }

    // Outputs the value to the destination that the class defines.
    virtual void writeValue();
    // Appends this value's payload to the stream.
    virtual void saveValue(TWriter& writer);
    // Reads a payload from the stream into this object, replacing its value.
    virtual void loadValue(TReader& reader);
    // kCompareOtherClass when other is absent or of another class (class names differ after
    // upper-casing, tested first); otherwise kCompareLess, kCompareEqual or kCompareGreater.
    // May move cursors of containers, this one's and other's.
    virtual std::int32_t compare(TBase* other);
    // A second comparison that no class implements; it exists with the base behaviour only.
    virtual std::int32_t compare(TBase* other, std::int32_t mode);
    // A new, independent object of the same value; the caller owns it.
    virtual std::unique_ptr<TBase> copy();
    // Draws the value with its top-left corner at (x, y).
    virtual void paintValue(TCanvas& image, std::int32_t x, std::int32_t y);

protected:
    // True when other is present and its class name equals this one's after upper-casing.
    bool isSameClass(const TBase* other) const;
    // other as a T when it is of this object's class (and so a T), else nullptr.
    template <typename T>
    const T* otherOfSameClass(const TBase* other) const {
        return isSameClass(other) ? dynamic_cast<const T*>(other) : nullptr;
    }

private:
    [[noreturn]] static void notOverridden(std::string_view operation);
};

// A text value: a byte string of 8-bit characters, any length, empty allowed.
class TString : public TBase {
public:
    static constexpr std::string_view kClassName = "TString";

    explicit TString(std::string text = {}) : m_text(std::move(text)) {}

    std::string_view className() const override { return kClassName; }
    const std::string& text() const { return m_text; }

    using TBase::compare;
    // Byte-wise on unsigned bytes, case-sensitive, no locale; a proper prefix orders first.
    std::int32_t compare(TBase* other) override;
    // Always a TString, also for a derived class.
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    std::string m_text;
};

// The scalar value classes. Each wraps its fields unchanged (nothing is validated, reduced or
// normalised), is created empty with every field zero, and compares with the result encoding
// above: another class first, then its own rule of order. copy gives an object of the same
// class with the same fields. saveValue and loadValue carry the value only (never a
// tolerance). writeValue, the second compare and (but for TChar) paintValue keep the base
// behaviour.

// The order of mine against theirs: kCompareLess when theirs is greater, kCompareEqual when they
// are equal, kCompareGreater otherwise.
template <typename T>
std::int32_t orderAgainst(T mine, T theirs) {
    if (theirs > mine) return kCompareLess;
    if (theirs == mine) return kCompareEqual;
    return kCompareGreater;
}

// A value class of one field. Traits give the field's type (Value), the class name, the rule of
// order (order(mine, theirs)) and the payload (save, load). Every such class derives directly
// from TBase; two of them are different classes even where their fields are alike.
template <typename Traits>
class TScalarValue : public TBase {
public:
    using Value = typename Traits::Value;
    static constexpr std::string_view kClassName = Traits::kClassName;

    explicit TScalarValue(Value value = Value{}) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    Value getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override {
        const auto* that = otherOfSameClass<TScalarValue>(other);
        return that == nullptr ? kCompareOtherClass : Traits::order(m_value, that->m_value);
    }
    std::unique_ptr<TBase> copy() override { return std::make_unique<TScalarValue>(m_value); }
    void saveValue(TWriter& writer) override { Traits::save(writer, m_value); }
    void loadValue(TReader& reader) override { m_value = Traits::load(reader); }

private:
    Value m_value;
};

// Traits of a value ordered as its type orders.
template <typename T>
struct TOrderedTraits {
    using Value = T;
    static std::int32_t order(T mine, T theirs) { return orderAgainst(mine, theirs); }
};

// putInteger and getInteger, for the traits below.
void saveInteger(TWriter& writer, std::int32_t value);
std::int32_t loadInteger(TReader& reader);

// Traits of an ordered value stored as a 32-bit integer item; loading keeps the low bits that
// fit the type (TByte and TWord check no range).
template <typename T>
struct TStoredAsIntegerTraits : TOrderedTraits<T> {
    static void save(TWriter& writer, T value) {
        saveInteger(writer, static_cast<std::int32_t>(value));
    }
    static T load(TReader& reader) { return static_cast<T>(loadInteger(reader)); }
};

// A 32-bit signed integer.
struct TIntegerTraits : TStoredAsIntegerTraits<std::int32_t> {
    static constexpr std::string_view kClassName = "TInteger";
};
using TInteger = TScalarValue<TIntegerTraits>;

// A 64-bit signed integer.
struct TInt64Traits : TOrderedTraits<std::int64_t> {
    static constexpr std::string_view kClassName = "TInt64";
    static void save(TWriter& writer, Value value);
    static Value load(TReader& reader);
};
using TInt64 = TScalarValue<TInt64Traits>;

// An 8-bit unsigned integer.
struct TByteTraits : TStoredAsIntegerTraits<std::uint8_t> {
    static constexpr std::string_view kClassName = "TByte";
};
using TByte = TScalarValue<TByteTraits>;

// A 16-bit unsigned integer.
struct TWordTraits : TStoredAsIntegerTraits<std::uint16_t> {
    static constexpr std::string_view kClassName = "TWord";
};
using TWord = TScalarValue<TWordTraits>;

// A 32-bit signed integer; another class than TInteger, so the two compare as 2.
struct TLongintTraits : TStoredAsIntegerTraits<std::int32_t> {
    static constexpr std::string_view kClassName = "TLongint";
};
using TLongint = TScalarValue<TLongintTraits>;

// A colour value, ordered as a signed 32-bit number (system colours are negative).
struct TTColorTraits : TStoredAsIntegerTraits<TColor> {
    static constexpr std::string_view kClassName = "TTColor";
};
using TTColor = TScalarValue<TTColorTraits>;

// A boolean; equal values compare as 0, different ones as 1, never -1.
struct TBooleanTraits {
    using Value = bool;
    static constexpr std::string_view kClassName = "TBoolean";
    static std::int32_t order(bool mine, bool theirs) {
        return mine == theirs ? kCompareEqual : kCompareGreater;
    }
    static void save(TWriter& writer, Value value);
    static Value load(TReader& reader);
};
using TBoolean = TScalarValue<TBooleanTraits>;

struct TBruch {
    std::int32_t numerator;
    std::int32_t denominator;
};

// A fraction kept as given: 2/4 stays 2/4, a negative or zero denominator stays. Ordered by the
// cross products p = this denominator * other numerator and q = this numerator * other
// denominator, formed in 64 bits: -1 when p > q, 0 when equal, else 1.
struct TTBruchTraits {
    using Value = TBruch;
    static constexpr std::string_view kClassName = "TTBruch";
    static std::int32_t order(TBruch mine, TBruch theirs);
    static void save(TWriter& writer, Value value);
    static Value load(TReader& reader);
};
using TTBruch = TScalarValue<TTBruchTraits>;

// One 8-bit character, ordered as an unsigned byte.
class TChar : public TBase {
public:
    static constexpr std::string_view kClassName = "TChar";

    explicit TChar(char value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    char getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;
    // Sets the font to 8-point bold black "MS SANS SERIF" and the pen to black, then draws the
    // character with its top-left corner at (x, y) on the current brush. Font and pen stay set.
    void paintValue(TCanvas& image, std::int32_t x, std::int32_t y) override;

private:
    char m_value;
};

// A value class of a floating-point value and a comparison tolerance: the largest difference at
// which two values still count as equal, 0 selecting a relative default. Traits give the type,
// the class name, the rule (compare(mine, theirs, myTolerance, theirTolerance)) and the payload.
template <typename Traits>
class TTolerantValue : public TBase {
public:
    using Value = typename Traits::Value;
    static constexpr std::string_view kClassName = Traits::kClassName;

    explicit TTolerantValue(Value value = 0, Value tolerance = 0)
        : m_value(value), m_tolerance(tolerance) {}
    std::string_view className() const override { return kClassName; }
    Value getValue() const { return m_value; }
    Value getTolerance() const { return m_tolerance; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override {
        const auto* that = otherOfSameClass<TTolerantValue>(other);
        if (that == nullptr) return kCompareOtherClass;
        return Traits::compare(m_value, that->m_value, m_tolerance, that->m_tolerance);
    }
    std::unique_ptr<TBase> copy() override {
        return std::make_unique<TTolerantValue>(m_value, m_tolerance);
    }
    void saveValue(TWriter& writer) override { Traits::save(writer, m_value); }
    void loadValue(TReader& reader) override { m_value = Traits::load(reader); }

private:
    Value m_value;
    Value m_tolerance;
};

// A double compared with this object's tolerance, the default being
// max(min(|a|, |b|) * 1E-12, 1E-12); NaN equals NaN and orders after every number. Loading
// rounds the stored extended number to the nearest double.
struct TRealTraits {
    using Value = double;
    static constexpr std::string_view kClassName = "TReal";
    static std::int32_t compare(double mine, double theirs, double myTolerance, double);
    static void save(TWriter& writer, Value value);
    static Value load(TReader& reader);
};
using TReal = TTolerantValue<TRealTraits>;

// An 80-bit extended number compared in extended precision with the other object's tolerance
// and the default max(min(|a|, |b|) * 1E-16, 1E-16), so equality need not be symmetric.
struct TExtendedTraits {
    using Value = long double;
    static constexpr std::string_view kClassName = "TExtended";
    static std::int32_t compare(long double mine, long double theirs, long double,
                                long double theirTolerance);
    static void save(TWriter& writer, Value value);
    static Value load(TReader& reader);
};
using TExtended = TTolerantValue<TExtendedTraits>;

// Enters baseClss's classes in the process-wide class registry.
void registerBaseClss();
