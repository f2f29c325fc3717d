// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "lib/baseClss.h"

class TReader;
class TStream;

// One node of a binary tree. Owns its two subtrees and its value. Destroying a node destroys its
// subtrees' nodes in order (left subtree, node, right subtree), then its own value, without
// recursion and without allocating, so that a tree of any shape can be destroyed, also while
// an exception for lack of memory unwinds.
class TBinTreeNode : public TBase {
public:
    static constexpr std::string_view kClassName = "TBinTreeNode";

    TBinTreeNode(std::unique_ptr<TBinTreeNode> left, std::unique_ptr<TBase> value,
                 std::unique_ptr<TBinTreeNode> right);
    ~TBinTreeNode() noexcept override;

    std::string_view className() const override { return kClassName; }

    TBinTreeNode* getLeft() const { return m_left.get(); }
    TBinTreeNode* getRight() const { return m_right.get(); }
    TBase* getValue() const { return m_value.get(); }

    // Replace a subtree (may be empty) and hand the previous one back, empty when there was none.
    [[nodiscard]] std::unique_ptr<TBinTreeNode> setLeft(std::unique_ptr<TBinTreeNode> left);
    [[nodiscard]] std::unique_ptr<TBinTreeNode> setRight(std::unique_ptr<TBinTreeNode> right);

    using TBase::compare;
    // 0 when other is a node whose subtrees and value are equal to this node's, else 2. Both
    // sides are compared, left first, before the values.
    std::int32_t compare(TBase* other) override;
    // A deep copy of the subtree, always of class TBinTreeNode: left, then right, then value.
    std::unique_ptr<TBase> copy() override;

    // Draws the subtree with this node at (x, y) and its parent at (parentX, parentY): the left
    // subtree at (x - width / 2, y + levelHeight), the value, the line to the parent (unless y
    // equals parentY; with rectangular a horizontal then a vertical segment, ending at
    // (parentX, parentY + lineOffset)), then the right subtree. Uses the canvas's current pen.
    virtual void paint(TCanvas& image, std::int32_t parentX, std::int32_t parentY, std::int32_t x,
                       std::int32_t y, std::int32_t levelHeight, std::int32_t lineOffset,
                       std::int32_t width, bool rectangular);

    // node->copy() as a node. Raises std::logic_error if an override returned something else.
    static std::unique_ptr<TBinTreeNode> copyOf(TBinTreeNode& node);

private:
    std::unique_ptr<TBinTreeNode> m_left;
    std::unique_ptr<TBinTreeNode> m_right;
    std::unique_ptr<TBase> m_value;
};

// A binary tree of owned values, assembled by its user from nodes or read from a file. Not a
// search tree: it offers whole-tree queries, traversals, drawing, copy and comparison. Values
// handed out by lookUp stay the tree's.
class TBinTree : public TBase {
public:
    static constexpr std::string_view kClassName = "TBinTree";

    TBinTree() = default;

    std::string_view className() const override { return kClassName; }

    TBinTreeNode* root() const { return m_root.get(); }
    // Replaces the root (may be empty) and hands the previous one back.
    [[nodiscard]] std::unique_ptr<TBinTreeNode> setRoot(std::unique_ptr<TBinTreeNode> root);

    bool empty() const { return m_root == nullptr; }
    // A deep copy, always of class TBinTree.
    std::unique_ptr<TBase> copy() override;
    using TBase::compare;
    // 2 when other is of another class; 0 when both are empty or their roots compare as 0;
    // else 2. Never -1 or 1.
    std::int32_t compare(TBase* other) override;
    // True when at every node the depths of the two subtrees differ by at most 1.
    bool balanced() const;
    // The number of levels; 0 when empty.
    std::uint16_t depth() const;
    // The number of nodes, summed in 16 bits; 0 when empty.
    std::uint16_t count() const;
    // The first stored value, in pre-order, whose compare with key yields 0, or nullptr.
    virtual TBase* lookUp(TBase* key);
    // writeValue of every value, in order (left subtree, value, right subtree).
    void write();
    // Draws the tree with its root at (x, y) and no line above the root; see TBinTreeNode.
    void paint(TCanvas& image, std::int32_t x, std::int32_t y, std::int32_t levelHeight,
               std::int32_t lineOffset, std::int32_t width, bool rectangular);
    // Mirrors the tree: every node's subtrees change sides.
    void swap();
    // Called by writePlanes after each level. TBinTree's own shows
    // "TBinTree.newPlane wurde nicht überschrieben" and ends the program with EXIT_FAILURE.
    virtual void newPlane();
    // writeValue of every value level by level, left to right, with newPlane after each level.
    // Works on copies in a TListe; a copy that the full list refuses is destroyed and its
    // subtree left out.
    void writePlanes();
    // Writes the tree file: nothing for an empty tree, else the node records in pre-order,
    // each the value's class name, its payload, and whether a left and a right subtree follow.
    // The new content replaces the file only once it is complete on disk; on failure the file
    // is left as it was. A tree deeper than kMaxLoadDepth, which load would refuse, is refused
    // while it is written, before anything is replaced, with EWriteError "Der Baum ist zu tief
    // zum Speichern (mehr als 10000 Ebenen)". Only regular files the caller may write are replaced (see
    // TReplacingFile); in a folder that refuses the temporary file, a writable file is written
    // in place, which a failure while writing can leave cut. Raises EFCreateError, EWriteError.
    // Every EStreamError it raises carries fileName as a full path (made absolute, links not
    // resolved) in EStreamError::fileName, also the encoding's, whose messages do not name it.
    virtual void save(const std::string& fileName);
    // Reads a tree file into this tree; a pipe or FIFO is read until its writer closes it, and a
    // FIFO's writer is waited for. A zero-byte file empties the tree; bytes after the root's
    // record are ignored. Each node is stored in its position as soon as its value is read, so
    // a failed load keeps the new root and every node read before the error (the old nodes go
    // when the new root is stored). Raises EFOpenError, EReadError, EClassNotFound;
    // records nested deeper than kMaxLoadDepth or naming a class that is no value class fail
    // with EReadError "Ungültiger Eigenschaftswert". Every EStreamError it raises carries
    // fileName's full path in EStreamError::fileName, as save's do.
    virtual void load(const std::string& fileName);

    // What a load accepted although save never writes it, for callers that report damage.
    struct LoadFindings {
        bool emptyStream = false;    // no bytes at all from something that is no regular file
        bool oddBoolean = false;     // a flag or TBoolean byte other than tagTrue and tagFalse
        bool trailingBytes = false;  // bytes after the root's record (read to the end)
    };
    // load, which also fills in findings. Unlike load, it reads a successful load's input to its
    // end to look for trailing bytes. Raises what load raises.
    void loadAndCheck(const std::string& fileName, LoadFindings& findings);

    // Records nested deeper than this fail to load: hostile input must not make a load's
    // pending positions, and the deep walks of every later use, grow without bound. save
    // refuses deeper trees, so every saved tree loads again.
    static constexpr int kMaxLoadDepth = 10000;
    // The buffer of the writer and the reader that save and load use.
    static constexpr std::size_t kStreamBufferSize = 4000;
    // save and load on an open stream, with a 4000-byte buffer. saveToStream refuses a tree
    // deeper than kMaxLoadDepth as save does, having written part of it. loadFromStream reads at
    // least one record: an empty stream fails with "Stream-Lesefehler". They know no file name: their
    // errors leave EStreamError::fileName empty (save and load fill it in).
    void saveToStream(TStream& stream);
    void loadFromStream(TStream& stream);
    // loadFromStream, which also fills in findings as loadAndCheck does (emptyStream stays false:
    // an empty stream fails). A successful load leaves the stream behind the root's record.
    void loadFromStream(TStream& stream, LoadFindings& findings);

    // The node records from the reader's position on, the root's first; an empty stream fails.
    // The loads on streams and on files read through it; findings may be nullptr.
    void loadRecords(TReader& reader, LoadFindings* findings);

private:
    std::unique_ptr<TBinTreeNode> m_root;
};

// How trees reach files. The library knows no files: io/ implements this on POSIX
// (installTreeFiles in io/treeFile.h), and a program installs it before its first save or
// load. Both calls raise what TBinTree's save and load promise.
class TTreeFiles {
public:
    virtual ~TTreeFiles() = default;
    virtual void save(TBinTree& tree, const std::string& fileName) = 0;
    // findings, when given, is filled in as loadAndCheck describes.
    virtual void load(TBinTree& tree, const std::string& fileName,
                      TBinTree::LoadFindings* findings) = 0;
};

// The installed file access; nullptr until a program installs one. It must outlive its use.
inline TTreeFiles* TreeFiles = nullptr;

// Enters TBinTree in the process-wide class registry.
void registerTreeClss();
