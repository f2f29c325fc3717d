// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/treeclss.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "lib/listClss.h"
#include "tests/support/infoMessageCapture.h"
#include "tests/support/recordingCanvas.h"

namespace {

std::vector<std::string> outputLog;

// A text value whose output goes to outputLog and which paints as a "value" record.
class TLoggedString : public TString {
public:
    using TString::TString;
    void writeValue() override { outputLog.push_back(text()); }
    void paintValue(TCanvas& image, std::int32_t x, std::int32_t y) override {
        image.textOut(x, y, text());
    }
    std::unique_ptr<TBase> copy() override { return std::make_unique<TLoggedString>(text()); }
};

// A tree whose level hook writes "|".
class TPlanesTree : public TBinTree {
public:
    std::string_view className() const override { return "TPlanesTree"; }
    void newPlane() override { outputLog.push_back("|"); }
};

using Node = std::unique_ptr<TBinTreeNode>;

Node node(const char* text, Node left = nullptr, Node right = nullptr) {
    return std::make_unique<TBinTreeNode>(std::move(left), std::make_unique<TLoggedString>(text),
                                          std::move(right));
}

// Root A with left child B and right child C, and D as B's right child.
Node abcd() { return node("A", node("B", nullptr, node("D")), node("C")); }

// A chain of nodes, each the left child of the one before.
Node chain(int length) {
    Node result;
    for (int i = 0; i < length; ++i) result = node("x", std::move(result));
    return result;
}

template <typename Tree = TBinTree>
std::unique_ptr<Tree> treeOf(Node root) {
    auto tree = std::make_unique<Tree>();
    EXPECT_EQ(tree->setRoot(std::move(root)), nullptr);
    return tree;
}

std::vector<std::string> writtenBy(void (TBinTree::*operation)(), TBinTree& tree) {
    outputLog.clear();
    (tree.*operation)();
    return outputLog;
}

TEST(TBinTree, QueriesOnThePartShapes) {
    struct Shape {
        const char* what;
        Node root;
        int depth;
        int count;
        bool balanced;
    };
    Shape shapes[] = {
        {"empty", nullptr, 0, 0, true},
        {"one node", node("A"), 1, 1, true},
        {"left chain of three", node("A", node("B", node("C"))), 3, 3, false},
        {"chain with right child", node("A", node("B", node("C")), node("D")), 3, 4, true},
        {"A/B/C/D", abcd(), 3, 4, true},
    };
    for (Shape& shape : shapes) {
        const bool isEmpty = shape.root == nullptr;
        auto tree = treeOf(std::move(shape.root));
        EXPECT_EQ(tree->empty(), isEmpty) << shape.what;
        EXPECT_EQ(tree->depth(), shape.depth) << shape.what;
        EXPECT_EQ(tree->count(), shape.count) << shape.what;
        EXPECT_EQ(tree->balanced(), shape.balanced) << shape.what;
    }
}

TEST(TBinTree, WriteIsInOrderAndWritePlanesGoesLevelByLevel) {
    auto tree = treeOf<TPlanesTree>(abcd());
    EXPECT_EQ(writtenBy(&TBinTree::write, *tree), (std::vector<std::string>{"B", "D", "A", "C"}));
    EXPECT_EQ(writtenBy(&TBinTree::writePlanes, *tree),
              (std::vector<std::string>{"A", "|", "B", "C", "|", "D", "|"}));
    EXPECT_EQ(tree->count(), 4);  // the tree itself is untouched

    auto single = treeOf<TPlanesTree>(node("A"));
    EXPECT_EQ(writtenBy(&TBinTree::writePlanes, *single), (std::vector<std::string>{"A", "|"}));
    TPlanesTree empty;
    EXPECT_TRUE(writtenBy(&TBinTree::writePlanes, empty).empty());
}

TEST(TBinTree, LookUpPrefersTheNodeThenTheLeftSubtree) {
    auto tree = treeOf(node("A", node("B", nullptr, node("K")), node("K")));
    TLoggedString key("K");
    TBase* found = tree->lookUp(&key);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, tree->root()->getLeft()->getRight()->getValue());
    TChar plainKey('K');  // another class never matches
    EXPECT_EQ(tree->lookUp(&plainKey), nullptr);
    EXPECT_EQ(TBinTree().lookUp(&key), nullptr);
}

TEST(TBinTree, CopySwapAndCompare) {
    auto tree = treeOf(abcd());
    auto before = tree->copy();
    EXPECT_EQ(before->className(), "TBinTree");
    EXPECT_EQ(tree->compare(before.get()), 0);

    tree->swap();
    EXPECT_EQ(tree->compare(before.get()), 2);
    EXPECT_EQ(writtenBy(&TBinTree::write, *tree), (std::vector<std::string>{"C", "A", "D", "B"}));
    tree->swap();
    EXPECT_EQ(tree->compare(before.get()), 0);

    TBinTree empty;
    TBinTree otherEmpty;
    EXPECT_EQ(empty.compare(&otherEmpty), 0);
    EXPECT_EQ(empty.compare(tree.get()), 2);
    EXPECT_EQ(tree->compare(&empty), 2);
    EXPECT_TRUE(static_cast<TBinTree&>(*empty.copy()).empty());

    auto sub = treeOf<TPlanesTree>(abcd());
    auto subCopy = sub->copy();
    EXPECT_EQ(sub->compare(subCopy.get()), 2);  // the copy is a plain TBinTree
}

TEST(TBinTree, SettersHandThePreviousSubtreeBack) {
    Node root = node("A", node("B"));
    Node formerLeft = root->setLeft(node("C"));
    ASSERT_NE(formerLeft, nullptr);
    EXPECT_EQ(static_cast<TString*>(formerLeft->getValue())->text(), "B");
    EXPECT_EQ(root->setRight(nullptr), nullptr);
    auto tree = treeOf(std::move(root));
    Node formerRoot = tree->setRoot(nullptr);
    EXPECT_TRUE(tree->empty());
    EXPECT_EQ(static_cast<TString*>(formerRoot->getLeft()->getValue())->text(), "C");
    EXPECT_THROW(TBinTreeNode(nullptr, nullptr, nullptr), std::invalid_argument);
}

TEST(TBinTree, PaintSpreadsByHalvesAndDrawsLinesToTheParent) {
    auto tree =
        treeOf(node("R", node("L", node("LL"), node("LR")), node("Rt", node("RL"), node("RR"))));
    struct Layout {
        bool rectangular;
        std::int32_t levelHeight;
        std::vector<std::string> expected;
    };
    const Layout layouts[] = {
        {false,
         40,
         {"textOut 50 90 LL", "moveTo 50 90", "lineTo 100 62", "textOut 100 50 L", "moveTo 100 50",
          "lineTo 200 22", "textOut 150 90 LR", "moveTo 150 90", "lineTo 100 62",
          "textOut 200 10 R", "textOut 250 90 RL", "moveTo 250 90", "lineTo 300 62",
          "textOut 300 50 Rt", "moveTo 300 50", "lineTo 200 22", "textOut 350 90 RR",
          "moveTo 350 90", "lineTo 300 62"}},
        {true, 40, {"textOut 50 90 LL",  "moveTo 50 90",      "lineTo 100 90", "lineTo 100 62",
                    "textOut 100 50 L",  "moveTo 100 50",     "lineTo 200 50", "lineTo 200 22",
                    "textOut 150 90 LR", "moveTo 150 90",     "lineTo 100 90", "lineTo 100 62",
                    "textOut 200 10 R",  "textOut 250 90 RL", "moveTo 250 90", "lineTo 300 90",
                    "lineTo 300 62",     "textOut 300 50 Rt", "moveTo 300 50", "lineTo 200 50",
                    "lineTo 200 22",     "textOut 350 90 RR", "moveTo 350 90", "lineTo 300 90",
                    "lineTo 300 62"}},
        {false,
         0,
         {"textOut 50 10 LL", "textOut 100 10 L", "textOut 150 10 LR", "textOut 200 10 R",
          "textOut 250 10 RL", "textOut 300 10 Rt", "textOut 350 10 RR"}},
    };
    for (const Layout& layout : layouts) {
        RecordingCanvas canvas(400, 200);
        tree->paint(canvas, 200, 10, layout.levelHeight, 12, 200, layout.rectangular);
        EXPECT_EQ(canvas.calls, layout.expected) << layout.rectangular << layout.levelHeight;
    }
    RecordingCanvas untouched(10, 10);
    TBinTree().paint(untouched, 0, 0, 40, 12, 200, false);
    EXPECT_TRUE(untouched.calls.empty());
}

TEST(TBinTree, DeepChainsNeitherOverflowNorLeak) {
    auto tree = treeOf(chain(10000));
    EXPECT_EQ(tree->depth(), 10000);
    EXPECT_EQ(tree->count(), 10000);
    EXPECT_FALSE(tree->balanced());
    TLoggedString missing("absent");
    EXPECT_EQ(tree->lookUp(&missing), nullptr);
    EXPECT_EQ(writtenBy(&TBinTree::write, *tree).size(), 10000u);
    auto copied = tree->copy();
    EXPECT_EQ(tree->compare(copied.get()), 0);
    tree->swap();
    EXPECT_EQ(tree->root()->getLeft(), nullptr);
    EXPECT_EQ(tree->depth(), 10000);
}

TEST(TBinTree, WritePlanesDestroysCopiesThatAFullWorkListRefuses) {
    // A complete tree of 17 levels: while its last level is built, the work list holds the
    // rest of level 16 and the leaves made so far, and refuses the last two leaves.
    InfoMessageCapture messages;
    std::vector<Node> level;
    for (int i = 0; i < 65536; ++i) level.push_back(node("leaf"));
    while (level.size() > 1) {
        std::vector<Node> above;
        for (std::size_t i = 0; i < level.size(); i += 2) {
            above.push_back(node("n", std::move(level[i]), std::move(level[i + 1])));
        }
        level = std::move(above);
    }
    auto tree = treeOf<TPlanesTree>(std::move(level.front()));
    const std::vector<std::string> written = writtenBy(&TBinTree::writePlanes, *tree);
    EXPECT_EQ(messages.messages(),
              std::vector<std::string>(2, "Die Liste ist voll - maximal 65535 Elemente"));
    EXPECT_EQ(std::count(written.begin(), written.end(), "leaf"), 65534);
    EXPECT_EQ(std::count(written.begin(), written.end(), "|"), 17);
}

using TBinTreeDeathTest = ::testing::Test;

TEST_F(TBinTreeDeathTest, NewPlaneOfThePlainTreeEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto tree = treeOf(node("A"));
    EXPECT_EXIT(tree->writePlanes(), ::testing::ExitedWithCode(EXIT_FAILURE),
                "^Informationen: TBinTree\\.newPlane wurde nicht überschrieben\n$");
}

}  // namespace
