#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

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

private:
    std::string m_text;
};

// Enters baseClss's classes in the process-wide class registry.
void registerBaseClss();
