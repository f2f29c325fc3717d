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
// tolerance); TByte and TWord keep the low bits of what they load. writeValue, the second compare
// and (but for TChar) paintValue keep the base behaviour.

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

// A 32-bit signed integer.
class TInteger : public TBase {
public:
    static constexpr std::string_view kClassName = "TInteger";

    explicit TInteger(std::int32_t value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    std::int32_t getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    std::int32_t m_value;
};

// A 64-bit signed integer.
class TInt64 : public TBase {
public:
    static constexpr std::string_view kClassName = "TInt64";

    explicit TInt64(std::int64_t value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    std::int64_t getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    std::int64_t m_value;
};

// An 8-bit unsigned integer.
class TByte : public TBase {
public:
    static constexpr std::string_view kClassName = "TByte";

    explicit TByte(std::uint8_t value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    std::uint8_t getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    std::uint8_t m_value;
};

// A 16-bit unsigned integer.
class TWord : public TBase {
public:
    static constexpr std::string_view kClassName = "TWord";

    explicit TWord(std::uint16_t value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    std::uint16_t getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    std::uint16_t m_value;
};

// A 32-bit signed integer; another class than TInteger, so the two compare as 2.
class TLongint : public TBase {
public:
    static constexpr std::string_view kClassName = "TLongint";

    explicit TLongint(std::int32_t value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    std::int32_t getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    std::int32_t m_value;
};

// A double with a comparison tolerance: the largest difference at which two values still count
// as equal; 0 selects the relative default max(min(|a|, |b|) * 1E-12, 1E-12). compare uses this
// object's tolerance. NaN equals NaN and orders after every number.
class TReal : public TBase {
public:
    static constexpr std::string_view kClassName = "TReal";

    explicit TReal(double value = 0.0, double tolerance = 0.0)
        : m_value(value), m_tolerance(tolerance) {}
    std::string_view className() const override { return kClassName; }
    double getValue() const { return m_value; }
    double getTolerance() const { return m_tolerance; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    double m_value;
    double m_tolerance;
};

// TExtended stores the x87 80-bit extended format, which long double is on x86-64.
static_assert(std::numeric_limits<long double>::digits == 64,
              "TExtended needs long double to be the 80-bit x87 extended format");

// An 80-bit extended number with a tolerance, like TReal but compared in extended precision
// with the other object's tolerance and the default max(min(|a|, |b|) * 1E-16, 1E-16), so
// equality need not be symmetric.
class TExtended : public TBase {
public:
    static constexpr std::string_view kClassName = "TExtended";

    explicit TExtended(long double value = 0.0L, long double tolerance = 0.0L)
        : m_value(value), m_tolerance(tolerance) {}
    std::string_view className() const override { return kClassName; }
    long double getValue() const { return m_value; }
    long double getTolerance() const { return m_tolerance; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    long double m_value;
    long double m_tolerance;
};

// A boolean; equal values compare as 0, different ones as 1, never -1.
class TBoolean : public TBase {
public:
    static constexpr std::string_view kClassName = "TBoolean";

    explicit TBoolean(bool value = false) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    bool getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    bool m_value;
};

// A colour value, ordered as a signed 32-bit number (system colours are negative).
class TTColor : public TBase {
public:
    static constexpr std::string_view kClassName = "TTColor";

    explicit TTColor(TColor value = 0) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    TColor getValue() const { return m_value; }

    using TBase::compare;
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    TColor m_value;
};

struct TBruch {
    std::int32_t numerator;
    std::int32_t denominator;
};

// A fraction kept as given: 2/4 stays 2/4, a negative or zero denominator stays.
class TTBruch : public TBase {
public:
    static constexpr std::string_view kClassName = "TTBruch";

    explicit TTBruch(TBruch value = {0, 0}) : m_value(value) {}
    std::string_view className() const override { return kClassName; }
    TBruch getValue() const { return m_value; }

    using TBase::compare;
    // Orders by the cross products p = this denominator * other numerator and
    // q = this numerator * other denominator, formed in 64 bits: -1 when p > q, 0 when equal.
    std::int32_t compare(TBase* other) override;
    std::unique_ptr<TBase> copy() override;
    void saveValue(TWriter& writer) override;
    void loadValue(TReader& reader) override;

private:
    TBruch m_value;
};

// Enters baseClss's classes in the process-wide class registry.
void registerBaseClss();
