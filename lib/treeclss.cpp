// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/treeclss.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

#include "lib/canvas.h"
#include "lib/classRegistry.h"
#include "lib/infoMessage.h"
#include "lib/listClss.h"

// The whole-tree walks that no subclass can change (destruction, depth, count, balanced, lookUp,
// write, swap) use an explicit stack instead of recursion, so that a degenerate tree as deep as
// a chain of nodes cannot overflow the call stack. Each keeps the visiting order of the
// recursive definition.

namespace {

// Destroys a subtree node by node in order, without a stack: while the top node has a left
// child, a right rotation lifts that child to the top; a top node without one has only a right
// subtree left, which takes its place once it is gone.
void destroySubtree(std::unique_ptr<TBinTreeNode> top) noexcept {
    while (top) {
        if (top->getLeft() != nullptr) {
            std::unique_ptr<TBinTreeNode> left = top->setLeft(nullptr);
            [[maybe_unused]] auto none = top->setLeft(left->setRight(nullptr));
            none = left->setRight(std::move(top));
            top = std::move(left);
        } else {
            std::unique_ptr<TBinTreeNode> right = top->setRight(nullptr);
            top = std::move(right);  // the childless node's destructor only destroys its value
        }
    }
}

struct NodeDepths {
    int depth = 0;
    bool balanced = true;
};

// Depth and balance of a subtree, computed bottom-up in one post-order walk.
NodeDepths measure(const TBinTreeNode* root) {
    if (root == nullptr) return {};
    struct Frame {
        const TBinTreeNode* node;
        bool childrenDone;
    };
    std::vector<Frame> stack{{root, false}};
    std::vector<NodeDepths> results;  // one entry per finished subtree, left before right
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const TBinTreeNode* node = frame.node;
        if (!frame.childrenDone) {
            frame.childrenDone = true;
            if (node->getRight() != nullptr) stack.push_back({node->getRight(), false});
            if (node->getLeft() != nullptr) stack.push_back({node->getLeft(), false});
            continue;
        }
        stack.pop_back();
        NodeDepths right;
        NodeDepths left;
        if (node->getRight() != nullptr) {
            right = results.back();
            results.pop_back();
        }
        if (node->getLeft() != nullptr) {
            left = results.back();
            results.pop_back();
        }
        results.push_back(
            {1 + std::max(left.depth, right.depth),
             left.balanced && right.balanced && std::abs(left.depth - right.depth) <= 1});
    }
    return results.back();
}

// Calls visit for every node in pre-order (node, left subtree, right subtree) until it returns
// true; returns that node or nullptr.
template <typename Visit>
TBinTreeNode* findPreOrder(TBinTreeNode* root, Visit visit) {
    std::vector<TBinTreeNode*> stack;
    if (root != nullptr) stack.push_back(root);
    while (!stack.empty()) {
        TBinTreeNode* node = stack.back();
        stack.pop_back();
        if (visit(*node)) return node;
        if (node->getRight() != nullptr) stack.push_back(node->getRight());
        if (node->getLeft() != nullptr) stack.push_back(node->getLeft());
    }
    return nullptr;
}

}  // namespace

TBinTreeNode::TBinTreeNode(std::unique_ptr<TBinTreeNode> left, std::unique_ptr<TBase> value,
                           std::unique_ptr<TBinTreeNode> right)
    : m_left(std::move(left)), m_right(std::move(right)), m_value(std::move(value)) {
    // Every operation on the tree relies on each node holding a value.
    if (!m_value) throw std::invalid_argument("TBinTreeNode: a value must be present");
}

TBinTreeNode::~TBinTreeNode() noexcept {
    destroySubtree(std::move(m_left));
    destroySubtree(std::move(m_right));
    m_value.reset();
}

std::unique_ptr<TBinTreeNode> TBinTreeNode::setLeft(std::unique_ptr<TBinTreeNode> left) {
    return std::exchange(m_left, std::move(left));
}

std::unique_ptr<TBinTreeNode> TBinTreeNode::setRight(std::unique_ptr<TBinTreeNode> right) {
    return std::exchange(m_right, std::move(right));
}

std::int32_t TBinTreeNode::compare(TBase* other) {
    auto* that = dynamic_cast<TBinTreeNode*>(other);
    if (that == nullptr) return kCompareOtherClass;
    auto sideMatches = [](TBinTreeNode* mine, TBinTreeNode* theirs) {
        if (mine == nullptr || theirs == nullptr) return mine == theirs;
        return mine->compare(theirs) == kCompareEqual;
    };
    const bool leftMatches = sideMatches(m_left.get(), that->m_left.get());
    const bool rightMatches = sideMatches(m_right.get(), that->m_right.get());
    if (!leftMatches || !rightMatches) return kCompareOtherClass;
    return m_value->compare(that->m_value.get()) == kCompareEqual ? kCompareEqual
                                                                  : kCompareOtherClass;
}

std::unique_ptr<TBase> TBinTreeNode::copy() {
    std::unique_ptr<TBinTreeNode> left = m_left ? copyOf(*m_left) : nullptr;
    std::unique_ptr<TBinTreeNode> right = m_right ? copyOf(*m_right) : nullptr;
    return std::make_unique<TBinTreeNode>(std::move(left), m_value->copy(), std::move(right));
}

std::unique_ptr<TBinTreeNode> TBinTreeNode::copyOf(TBinTreeNode& node) {
    std::unique_ptr<TBase> copied = node.copy();
    auto* asNode = dynamic_cast<TBinTreeNode*>(copied.get());
    if (asNode == nullptr) throw std::logic_error("the copy of a tree node is no tree node");
    copied.release();
    return std::unique_ptr<TBinTreeNode>(asNode);
}

void TBinTreeNode::paint(TCanvas& image, std::int32_t parentX, std::int32_t parentY, std::int32_t x,
                         std::int32_t y, std::int32_t levelHeight, std::int32_t lineOffset,
                         std::int32_t width, bool rectangular) {
    const std::int32_t half = width / 2;
    if (m_left) {
        m_left->paint(image, x, y, x - half, y + levelHeight, levelHeight, lineOffset, half,
                      rectangular);
    }
    m_value->paintValue(image, x, y);
    if (y != parentY) {
        image.moveTo(x, y);
        if (rectangular) image.lineTo(parentX, y);
        image.lineTo(parentX, parentY + lineOffset);
    }
    if (m_right) {
        m_right->paint(image, x, y, x + half, y + levelHeight, levelHeight, lineOffset, half,
                       rectangular);
    }
}

std::unique_ptr<TBinTreeNode> TBinTree::setRoot(std::unique_ptr<TBinTreeNode> root) {
    return std::exchange(m_root, std::move(root));
}

std::unique_ptr<TBase> TBinTree::copy() {
    auto result = std::make_unique<TBinTree>();
    if (m_root) result->m_root = TBinTreeNode::copyOf(*m_root);
    return result;
}

std::int32_t TBinTree::compare(TBase* other) {
    const auto* that = otherOfSameClass<TBinTree>(other);
    if (that == nullptr) return kCompareOtherClass;
    if (empty() && that->empty()) return kCompareEqual;
    if (empty() || that->empty()) return kCompareOtherClass;
    return m_root->compare(that->m_root.get()) == kCompareEqual ? kCompareEqual
                                                                : kCompareOtherClass;
}

bool TBinTree::balanced() const { return measure(m_root.get()).balanced; }

std::uint16_t TBinTree::depth() const {
    return static_cast<std::uint16_t>(measure(m_root.get()).depth);
}

std::uint16_t TBinTree::count() const {
    std::uint16_t total = 0;
    findPreOrder(m_root.get(), [&total](TBinTreeNode&) {
        ++total;  // wraps at 65536, as a 16-bit sum does
        return false;
    });
    return total;
}

TBase* TBinTree::lookUp(TBase* key) {
    TBinTreeNode* found = findPreOrder(m_root.get(), [key](TBinTreeNode& node) {
        return node.getValue()->compare(key) == kCompareEqual;
    });
    return found == nullptr ? nullptr : found->getValue();
}

void TBinTree::write() {
    std::vector<TBinTreeNode*> stack;
    TBinTreeNode* node = m_root.get();
    while (node != nullptr || !stack.empty()) {
        for (; node != nullptr; node = node->getLeft()) stack.push_back(node);
        node = stack.back();
        stack.pop_back();
        node->getValue()->writeValue();
        node = node->getRight();
    }
}

void TBinTree::paint(TCanvas& image, std::int32_t x, std::int32_t y, std::int32_t levelHeight,
                     std::int32_t lineOffset, std::int32_t width, bool rectangular) {
    if (m_root) m_root->paint(image, x, y, x, y, levelHeight, lineOffset, width, rectangular);
}

void TBinTree::swap() {
    findPreOrder(m_root.get(), [](TBinTreeNode& node) {
        std::unique_ptr<TBinTreeNode> formerLeft = node.setLeft(nullptr);
        std::unique_ptr<TBinTreeNode> formerRight = node.setRight(std::move(formerLeft));
        [[maybe_unused]] auto none = node.setLeft(std::move(formerRight));
        return false;
    });
}

void TBinTree::newPlane() {
    showInfoMessage("TBinTree.newPlane wurde nicht überschrieben");
    // A programming error ends the program; it must not look like success.
    std::exit(EXIT_FAILURE);
}

void TBinTree::writePlanes() {
    if (!m_root) return;
    TListe work;
    // The list holds the rest of the current level, then the part of the next level made so
    // far; the cursor stands at the rest of the current level.
    [[maybe_unused]] auto refused = work.insert(TBinTreeNode::copyOf(*m_root));
    while (!work.empty()) {
        auto* node = static_cast<TBinTreeNode*>(work.current());
        node->getValue()->writeValue();
        for (TBinTreeNode* child : {node->getLeft(), node->getRight()}) {
            if (child == nullptr) continue;
            // A copy that the full list refuses is destroyed here (the list showed its
            // message); only an inserted copy is stepped past.
            if (work.insert(TBinTreeNode::copyOf(*child)) == nullptr) work.next();
        }
        work.remove();
        if (work.atEnd()) {
            work.toFirst();
            newPlane();
        }
    }
}

void registerTreeClss() { classRegistry().registerClass<TBinTree>(); }

namespace {

TTreeFiles& treeFiles() {
    if (TreeFiles == nullptr) throw std::logic_error("no file access for tree files installed");
    return *TreeFiles;
}

}  // namespace

void TBinTree::save(const std::string& fileName) { treeFiles().save(*this, fileName); }

void TBinTree::load(const std::string& fileName) { treeFiles().load(*this, fileName, nullptr); }

void TBinTree::loadAndCheck(const std::string& fileName, LoadFindings& findings) {
    findings = {};
    treeFiles().load(*this, fileName, &findings);
}
