// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/listClss.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/infoMessageCapture.h"

namespace {

const std::string kFullMessage = "Die Liste ist voll - maximal 65535 Elemente";

// A text value that records its writeValue calls.
class TRecordedString : public TString {
public:
    TRecordedString(std::string text, std::vector<std::string>* log)
        : TString(std::move(text)), m_log(log) {}
    void writeValue() override { m_log->push_back(text()); }

private:
    std::vector<std::string>* m_log;
};

void fill(TListe& list, std::initializer_list<const char*> texts) {
    for (const char* text : texts) EXPECT_EQ(list.append(std::make_unique<TString>(text)), nullptr);
}

// The texts of all elements, read without disturbing the cursor index.
std::vector<std::string> textsOf(TListe& list) {
    const std::uint16_t position = list.position();
    std::vector<std::string> result;
    for (list.toFirst(); !list.atEnd(); list.next()) {
        result.push_back(static_cast<TString*>(list.current())->text());
    }
    list.goTo(position);
    return result;
}

std::string currentText(const TListe& list) {
    const TBase* value = list.current();
    return value == nullptr ? "<end>" : static_cast<const TString*>(value)->text();
}

void fillToCapacity(TListe& list) {
    for (std::uint32_t i = 0; i < TListe::kMaxLength; ++i) {
        ASSERT_EQ(list.append(std::make_unique<TString>()), nullptr);
    }
}

TEST(TListe, NewListIsEmptyAndAtItsEnd) {
    TListe list;
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.atEnd());
    EXPECT_EQ(list.length(), 0);
    EXPECT_EQ(list.position(), 0);
    EXPECT_EQ(list.current(), nullptr);
    list.write();
    list.clear();
    list.remove();
    list.next();
    EXPECT_EQ(list.position(), 0);
    EXPECT_EQ(list.length(), 0);
}

TEST(TListe, GoToClampsTheIndex) {
    TListe list;
    fill(list, {"a", "b", "c"});
    const struct {
        std::int32_t index;
        std::uint16_t position;
        const char* current;
    } cases[] = {{-5, 0, "a"},           {0, 0, "a"},      {2, 2, "c"},
                 {3, 3, "<end>"},        {10, 3, "<end>"}, {INT32_MIN, 0, "a"},
                 {INT32_MAX, 3, "<end>"}};
    for (const auto& c : cases) {
        list.goTo(c.index);
        EXPECT_EQ(list.position(), c.position) << c.index;
        EXPECT_EQ(currentText(list), c.current) << c.index;
    }
    EXPECT_EQ(list.elementAt(10), nullptr);
    EXPECT_EQ(static_cast<TString*>(list.elementAt(1))->text(), "b");
    EXPECT_EQ(list.position(), 1);
}

TEST(TListe, InsertGoesBeforeTheCurrentElementAndBecomesCurrent) {
    TListe empty;
    EXPECT_EQ(empty.insert(std::make_unique<TString>("x")), nullptr);
    EXPECT_EQ(empty.length(), 1);
    EXPECT_EQ(empty.position(), 0);
    EXPECT_EQ(currentText(empty), "x");

    TListe list;
    fill(list, {"0", "1", "2", "3", "4"});
    list.goTo(2);
    EXPECT_EQ(list.insert(std::make_unique<TString>("new")), nullptr);
    EXPECT_EQ(list.position(), 2);
    EXPECT_EQ(currentText(list), "new");
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"0", "1", "new", "2", "3", "4"}));

    list.toEnd();
    EXPECT_EQ(list.insert(std::make_unique<TString>("last")), nullptr);
    EXPECT_EQ(list.position(), 6);
    EXPECT_EQ(textsOf(list).back(), "last");

    EXPECT_THROW((void)list.insert(nullptr), std::invalid_argument);
    list.goTo(1);
    EXPECT_THROW((void)list.append(nullptr), std::invalid_argument);
    EXPECT_EQ(list.length(), 7);
    EXPECT_EQ(list.position(), 1);  // refused before the cursor moved
}

TEST(TListe, RemoveDestroysTheCurrentElementAndKeepsTheIndex) {
    TListe list;
    fill(list, {"a", "b", "c"});
    list.goTo(1);
    list.remove();
    EXPECT_EQ(list.length(), 2);
    EXPECT_EQ(list.position(), 1);
    EXPECT_EQ(currentText(list), "c");
    list.remove();
    EXPECT_TRUE(list.atEnd());
    list.remove();  // at the end: nothing happens
    EXPECT_EQ(textsOf(list), std::vector<std::string>{"a"});

    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.position(), 0);
}

TEST(TListe, WriteOutputsEveryElementAndKeepsThePosition) {
    std::vector<std::string> log;
    TListe list;
    for (const char* text : {"a", "b", "c", "d"}) {
        ASSERT_EQ(list.append(std::make_unique<TRecordedString>(text, &log)), nullptr);
    }
    list.goTo(2);
    list.write();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.position(), 2);
    EXPECT_EQ(currentText(list), "c");
}

TEST(TListe, CopyIntoInsertsABlockBeforeTheDestinationsCurrentElement) {
    TListe source;
    fill(source, {"a", "b"});
    source.goTo(1);
    TListe destination;
    fill(destination, {"x", "y", "z"});
    destination.goTo(1);
    source.copyInto(destination);
    EXPECT_EQ(textsOf(destination), (std::vector<std::string>{"x", "a", "b", "y", "z"}));
    EXPECT_EQ(source.position(), 1);
    EXPECT_EQ(destination.position(), 1);
    EXPECT_EQ(textsOf(source), (std::vector<std::string>{"a", "b"}));
}

TEST(TListe, CopyIntoItselfDoublesEveryElement) {
    TListe list;
    fill(list, {"a", "b", "c"});
    list.goTo(2);
    list.copyInto(list);
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"a", "a", "b", "b", "c", "c"}));
    EXPECT_EQ(list.position(), 2);
}

TEST(TListe, CompareIsZeroOnlyForSameClassAndPairwiseEqualElements) {
    TListe a;
    TListe b;
    fill(a, {"1", "2", "3"});
    fill(b, {"1", "2", "3"});
    EXPECT_EQ(a.compare(&b), 0);
    EXPECT_TRUE(a.atEnd());
    EXPECT_TRUE(b.atEnd());

    TListe prefix;
    fill(prefix, {"1", "2"});
    EXPECT_EQ(a.compare(&prefix), 2);
    EXPECT_EQ(prefix.compare(&a), 2);

    TListe different;
    fill(different, {"1", "X", "3"});
    EXPECT_EQ(a.compare(&different), 2);
    EXPECT_EQ(a.position(), 1);  // the cursors stay on the first differing pair
    EXPECT_EQ(different.position(), 1);

    TSortListe sorted;
    fill(sorted, {"1", "2", "3"});
    a.goTo(2);
    sorted.goTo(1);
    EXPECT_EQ(a.compare(&sorted), 2);
    EXPECT_EQ(a.position(), 2);  // another class: no cursor moves
    EXPECT_EQ(sorted.position(), 1);

    TString text("1");
    EXPECT_EQ(a.compare(&text), 2);
    EXPECT_EQ(a.compare(nullptr), 2);
    EXPECT_EQ(a.position(), 2);
}

TEST(TListe, CopyOfASortListeIsATListeWithEqualElements) {
    TSortListe source;
    fill(source, {"p", "q", "r"});
    source.goTo(1);
    std::unique_ptr<TBase> copied = source.copy();
    ASSERT_EQ(copied->className(), "TListe");
    auto& copy = static_cast<TListe&>(*copied);
    EXPECT_EQ(copy.position(), 1);
    EXPECT_EQ(textsOf(copy), (std::vector<std::string>{"p", "q", "r"}));
    EXPECT_EQ(copy.compare(&source), 2);

    TListe same;
    fill(same, {"p", "q", "r"});
    EXPECT_EQ(copy.compare(&same), 0);
    // The copies are independent of the source's elements.
    source.clear();
    EXPECT_EQ(textsOf(copy), (std::vector<std::string>{"p", "q", "r"}));
}

TEST(TListe, FullListRefusesTheValueAndHandsItBack) {
    TListe list;
    fillToCapacity(list);
    InfoMessageCapture capture;
    list.goTo(7);

    auto value = std::make_unique<TString>("refused");
    TString* const raw = value.get();
    std::unique_ptr<TBase> back = list.append(std::move(value));
    EXPECT_EQ(back.get(), raw);
    EXPECT_EQ(static_cast<TString&>(*back).text(), "refused");
    EXPECT_EQ(capture.messages(), std::vector<std::string>{kFullMessage});
    EXPECT_EQ(list.length(), TListe::kMaxLength);
    EXPECT_TRUE(list.atEnd());
    EXPECT_EQ(list.position(), TListe::kMaxLength);

    list.goTo(3);
    EXPECT_NE(list.insert(std::make_unique<TString>("again")), nullptr);
    EXPECT_EQ(list.position(), 3);
    EXPECT_EQ(list.length(), TListe::kMaxLength);
}

TEST(TListe, CopyIntoAFullListShowsTheMessageForEachRefusedCopy) {
    TListe destination;
    fillToCapacity(destination);
    TListe source;
    fill(source, {"a", "b"});
    InfoMessageCapture capture;
    source.copyInto(destination);
    EXPECT_EQ(capture.messages(), (std::vector<std::string>{kFullMessage, kFullMessage}));
    EXPECT_EQ(destination.length(), TListe::kMaxLength);
    EXPECT_EQ(destination.position(), source.position());
}

}  // namespace
