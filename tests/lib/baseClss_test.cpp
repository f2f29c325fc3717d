#include "lib/baseClss.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "lib/canvas.h"
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
