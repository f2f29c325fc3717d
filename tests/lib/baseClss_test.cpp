// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/baseClss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lib/canvas.h"
#include "lib/classRegistry.h"
#include "lib/libraryClasses.h"
#include "lib/listClss.h"
#include "tests/support/recordingCanvas.h"

namespace {

// A class of its own name that holds the same kind of text as TString.
class TOtherString : public TString {
public:
    using TString::TString;
    std::string_view className() const override { return "TOtherString"; }
};

struct CompareCase {
    std::string mine;
    std::string theirs;
    std::int32_t expected;
};

TEST(TString, CompareOrdersUnsignedBytesThenLength) {
    const CompareCase cases[] = {
        {"abc", "abd", -1},  {"abd", "abc", 1},    {"abc", "abc", 0}, {"ab", "abc", -1},
        {"abc", "ab", 1},    {"", "a", -1},        {"", "", 0},       {"a", "A", 1},
        {"B", "a", -1},      {"\xE4", "z", 1},     {"z", "\xE4", -1}, {"\x7F", "\x80", -1},
        {"\xFF", "\x01", 1}, {"0101", "0110", -1},
    };
    for (const auto& c : cases) {
        TString mine(c.mine);
        TString theirs(c.theirs);
        EXPECT_EQ(mine.compare(&theirs), c.expected)
            << '"' << c.mine << "\" vs \"" << c.theirs << '"';
    }
}

TEST(TString, CompareTestsTheClassFirst) {
    TString plain("0101");
    TOtherString derived("0101");
    TListe list;
    EXPECT_EQ(plain.compare(&derived), 2);
    EXPECT_EQ(derived.compare(&plain), 2);
    EXPECT_EQ(plain.compare(&list), 2);
    EXPECT_EQ(plain.compare(nullptr), 2);
}

TEST(TString, CopyIsAnIndependentTString) {
    auto original = std::make_unique<TOtherString>("110");
    std::unique_ptr<TBase> copied = original->copy();
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied.get(), original.get());
    EXPECT_EQ(copied->className(), "TString");
    EXPECT_EQ(copied->compare(original.get()), 2);
    TString same("110");
    EXPECT_EQ(copied->compare(&same), 0);

    original.reset();  // the copy must not depend on its source
    EXPECT_EQ(static_cast<TString&>(*copied).text(), "110");
}

TEST(TBase, ClassesReportTheirExactNames) {
    EXPECT_EQ(TBase().className(), "TBase");
    EXPECT_EQ(TString().className(), "TString");
    EXPECT_EQ(TListe().className(), "TListe");
    EXPECT_EQ(TSortListe().className(), "TSortListe");
    EXPECT_EQ(TSortableListe().className(), "TSortableListe");
    EXPECT_EQ(TListNode(nullptr).className(), "TListNode");
}

std::string abortMessage(const std::string& operation) {
    return "^Informationen: TBase\\." + operation +
           " wurde nicht überschrieben - das Programm wird daher abgebrochen\n$";
}

using TBaseDeathTest = ::testing::Test;

TEST_F(TBaseDeathTest, EveryOperationLeftToSubclassesEndsTheProgramWithFailure) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TBase base;
    TString other("x");
    RecordingCanvas canvas(1, 1);
    const auto failed = ::testing::ExitedWithCode(EXIT_FAILURE);
    EXPECT_EXIT(base.writeValue(), failed, abortMessage("writeValue"));
    EXPECT_EXIT(base.compare(&other), failed, abortMessage("compare"));
    EXPECT_EXIT(base.compare(&other, 0), failed, abortMessage("compare"));
    EXPECT_EXIT(base.copy(), failed, abortMessage("copy"));
    EXPECT_EXIT(base.paintValue(canvas, 1, 2), failed, abortMessage("paintValue"));
}

TEST_F(TBaseDeathTest, TStringKeepsTheBaseOutputAndPainting) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TString text("abc");
    RecordingCanvas canvas(1, 1);
    const auto failed = ::testing::ExitedWithCode(EXIT_FAILURE);
    EXPECT_EXIT(text.writeValue(), failed, abortMessage("writeValue"));
    EXPECT_EXIT(text.compare(&text, 1), failed, abortMessage("compare"));
    EXPECT_EXIT(text.paintValue(canvas, 0, 0), failed, abortMessage("paintValue"));
}

}  // namespace

namespace {

using Make = std::function<std::unique_ptr<TBase>()>;

template <typename T, typename... Args>
Make make(Args... args) {
    return [=] { return std::make_unique<T>(args...); };
}

struct ScalarCase {
    const char* what;
    Make mine;
    Make theirs;
    std::int32_t expected;
};

constexpr std::int64_t k2To40 = std::int64_t{1} << 40;

TEST(ScalarValues, CompareFollowsEachClassRule) {
    const ScalarCase cases[] = {
        {"int 5<7", make<TInteger>(5), make<TInteger>(7), -1},
        {"int 7>5", make<TInteger>(7), make<TInteger>(5), 1},
        {"int -1<0", make<TInteger>(-1), make<TInteger>(0), -1},
        {"int vs longint", make<TInteger>(5), make<TLongint>(5), 2},
        {"longint vs int", make<TLongint>(5), make<TInteger>(5), 2},
        {"int vs string", make<TInteger>(5), make<TString>("5"), 2},
        {"byte unsigned", make<TByte>(200), make<TByte>(100), 1},
        {"word unsigned", make<TWord>(40000), make<TWord>(1), 1},
        {"char unsigned", make<TChar>('\xE4'), make<TChar>('z'), 1},
        {"color signed", make<TTColor>(static_cast<TColor>(0xFF000005u)), make<TTColor>(0), -1},
        {"int64 equal", make<TInt64>(k2To40), make<TInt64>(k2To40), 0},
        {"int64 high", make<TInt64>(k2To40), make<TInt64>(1), 1},
        {"int64 negative", make<TInt64>(-k2To40), make<TInt64>(1), -1},
        {"int64 2^32 vs 0", make<TInt64>(std::int64_t{1} << 32), make<TInt64>(0), 1},
        {"bool t/f", make<TBoolean>(true), make<TBoolean>(false), 1},
        {"bool f/t", make<TBoolean>(false), make<TBoolean>(true), 1},
        {"bool t/t", make<TBoolean>(true), make<TBoolean>(true), 0},
        {"real within", make<TReal>(1.0, 0.1), make<TReal>(1.05, 0.0), 0},
        {"real below", make<TReal>(1.0, 0.1), make<TReal>(1.2, 0.0), -1},
        {"real above", make<TReal>(1.2, 0.1), make<TReal>(1.0, 0.0), 1},
        {"real default near", make<TReal>(1.0, 0.0), make<TReal>(1.0 + 1E-13, 0.0), 0},
        {"real default far", make<TReal>(1.0, 0.0), make<TReal>(1.0 + 1E-11, 0.0), -1},
        {"real default relative", make<TReal>(1000.0, 0.0), make<TReal>(1000.0 + 5E-10, 0.0), 0},
        {"real own tolerance a", make<TReal>(1.0, 0.5), make<TReal>(1.3, 0.1), 0},
        {"real own tolerance b", make<TReal>(1.3, 0.1), make<TReal>(1.0, 0.5), 1},
        {"real negative tolerance", make<TReal>(1.0, -1.0), make<TReal>(1.0, 0.0), 1},
        {"real NaN after numbers", make<TReal>(NAN, 0.0), make<TReal>(1.0, 0.0), 1},
        {"real NaN equals NaN", make<TReal>(NAN, 0.0), make<TReal>(NAN, 0.0), 0},
        {"real inf equals inf", make<TReal>(INFINITY, 0.0), make<TReal>(INFINITY, 0.0), 0},
        {"real -inf below inf", make<TReal>(-INFINITY, 0.0), make<TReal>(INFINITY, 0.0), -1},
        {"ext -inf equals -inf", make<TExtended>(-HUGE_VALL, 0.0L), make<TExtended>(-HUGE_VALL, 0.0L), 0},
        {"ext other's tolerance a", make<TExtended>(1.0L, 0.5L), make<TExtended>(1.3L, 0.1L), -1},
        {"ext other's tolerance b", make<TExtended>(1.3L, 0.1L), make<TExtended>(1.0L, 0.5L), 0},
        {"ext default near", make<TExtended>(1.0L, 0.0L), make<TExtended>(1.0L + 5E-17L, 0.0L), 0},
        {"ext default far", make<TExtended>(1.0L, 0.0L), make<TExtended>(1.0L + 1E-15L, 0.0L), -1},
        // Only extended arithmetic tells these apart; in doubles both would be 1.0.
        {"ext in 80 bits", make<TExtended>(1.0L, 0.0L), make<TExtended>(1.0L + 1E-18L, 5E-19L), -1},
        {"bruch equal value", make<TTBruch>(TBruch{1, 2}), make<TTBruch>(TBruch{2, 4}), 0},
        {"bruch less", make<TTBruch>(TBruch{1, 3}), make<TTBruch>(TBruch{1, 2}), -1},
        {"bruch greater", make<TTBruch>(TBruch{3, 4}), make<TTBruch>(TBruch{1, 2}), 1},
        {"bruch negative den", make<TTBruch>(TBruch{1, -2}), make<TTBruch>(TBruch{1, 2}), 1},
        {"bruch 0/0", make<TTBruch>(TBruch{0, 0}), make<TTBruch>(TBruch{5, 7}), 0},
        {"bruch x/0", make<TTBruch>(TBruch{1, 0}), make<TTBruch>(TBruch{2, 0}), 0},
        // 2e9/3e9 < 2e9/2e9: the 32-bit cross products would overflow.
        {"bruch wide", make<TTBruch>(TBruch{2000000000, 2000000001}),
         make<TTBruch>(TBruch{2000000000, 2000000000}), -1},
        {"bruch wide reversed", make<TTBruch>(TBruch{2000000000, 2000000000}),
         make<TTBruch>(TBruch{2000000000, 2000000001}), 1},
    };
    for (const auto& c : cases) {
        auto mine = c.mine();
        auto theirs = c.theirs();
        EXPECT_EQ(mine->compare(theirs.get()), c.expected) << c.what;
        EXPECT_EQ(mine->compare(nullptr), 2) << c.what;
    }
}

TEST(ScalarValues, CopyKeepsClassAndEveryField) {
    auto real = TReal(2.5, 0.01).copy();
    EXPECT_EQ(real->className(), "TReal");
    EXPECT_EQ(static_cast<TReal&>(*real).getValue(), 2.5);
    EXPECT_EQ(static_cast<TReal&>(*real).getTolerance(), 0.01);
    auto extended = TExtended(2.5L, 0.25L).copy();
    EXPECT_EQ(static_cast<TExtended&>(*extended).getTolerance(), 0.25L);
    auto fraction = TTBruch({2, 4}).copy();
    EXPECT_EQ(static_cast<TTBruch&>(*fraction).getValue().numerator, 2);
    EXPECT_EQ(static_cast<TTBruch&>(*fraction).getValue().denominator, 4);
    for (const Make& original :
         {make<TChar>('q'), make<TInteger>(-3), make<TInt64>(k2To40), make<TByte>(255),
          make<TWord>(65535), make<TLongint>(7), make<TBoolean>(true), make<TTColor>(clBtnFace)}) {
        auto value = original();
        auto copied = value->copy();
        EXPECT_EQ(copied->className(), value->className());
        EXPECT_EQ(copied->compare(value.get()), 0) << value->className();
    }
}

TEST(ScalarValues, EmptyCreationHasEveryFieldZero) {
    registerLibraryClasses();
    auto created = [](const char* name) { return classRegistry().find(name).createEmpty(); };
    EXPECT_EQ(static_cast<TChar&>(*created("TChar")).getValue(), 0);
    EXPECT_EQ(static_cast<TInt64&>(*created("TInt64")).getValue(), 0);
    EXPECT_EQ(static_cast<TTColor&>(*created("TTColor")).getValue(), 0);
    EXPECT_FALSE(static_cast<TBoolean&>(*created("TBoolean")).getValue());
    const auto fraction = static_cast<TTBruch&>(*created("TTBruch")).getValue();
    EXPECT_EQ(fraction.numerator, 0);
    EXPECT_EQ(fraction.denominator, 0);
    // Tolerance 0 selects the default: the empty real compares with 1E-13 as equal.
    auto real = created("TReal");
    TReal near(1E-13, 0.0);
    EXPECT_EQ(real->compare(&near), 0);
}

TEST(TChar, PaintSetsBoldFontAndPenThenDrawsTheCharacter) {
    RecordingCanvas canvas(100, 100);
    TChar('A').paintValue(canvas, 10, 20);
    const std::vector<std::string> expected = {"font MS SANS SERIF 8 bold black", "pen black",
                                               "textOut 10 20 A"};
    EXPECT_EQ(canvas.calls, expected);
}

TEST_F(TBaseDeathTest, ScalarsKeepTheBaseOutputAndPainting) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TInteger number(1);
    RecordingCanvas canvas(1, 1);
    const auto failed = ::testing::ExitedWithCode(EXIT_FAILURE);
    EXPECT_EXIT(number.writeValue(), failed, abortMessage("writeValue"));
    EXPECT_EXIT(number.paintValue(canvas, 0, 0), failed, abortMessage("paintValue"));
}

}  // namespace
