// SPDX-License-Identifier: GPL-3.0-or-later
// The tree's node records on a stream: TBinTree's saveToStream and loadFromStream.
#include <string>
#include <string_view>
#include <vector>

#include "lib/classRegistry.h"
#include "lib/errors.h"
#include "lib/treeclss.h"
#include "lib/valueClasses.h"
#include "lib/valueStream.h"

namespace {

// The bytes that putString writes for text.
std::vector<std::uint8_t> encodedText(const std::string& text) {
    TMemoryStream bytes;
    TWriter writer(bytes, TBinTree::kStreamBufferSize);
    writer.putString(text);
    writer.release();
    return bytes.takeBytes();
}

// Boolean items read any byte; a byte that save never writes is noted as damage.
void noteBoolean(TValueTag tag, TBinTree::LoadFindings& findings) {
    if (tag != TValueTag::tagTrue && tag != TValueTag::tagFalse) findings.oddBoolean = true;
}

// Reads a node's class name and value. Trees hold many values of one class: while the records
// repeat the bytes of the last class name read, those bytes are skipped unread and the class
// found for them is used again.
class TValueReader {
public:
    TValueReader(TReader& reader, TBinTree::LoadFindings* findings)
        : m_reader(reader), m_findings(findings) {}

    std::unique_ptr<TBase> read() {
        if (m_entry == nullptr || !m_reader.skipIfNext(m_encodedName)) readClass();
        std::unique_ptr<TBase> value = m_entry->createEmpty();
        if (m_findings != nullptr && m_entry->name == TBoolean::kClassName) {
            noteBoolean(m_reader.peekTag(), *m_findings);
        }
        value->loadValue(m_reader);
        return value;
    }

private:
    void readClass() {
        m_entry = nullptr;
        const std::string name = m_reader.getString();
        const TClassEntry& entry = classRegistry().find(name);
        // Only value classes: any other registered class would end the program in loadValue.
        if (!isValueClassName(entry.name)) throw EReadError("Ungültiger Eigenschaftswert");
        m_encodedName = encodedText(name);
        m_entry = &entry;
    }

    TReader& m_reader;
    TBinTree::LoadFindings* m_findings;
    const TClassEntry* m_entry = nullptr;
    std::vector<std::uint8_t> m_encodedName;
};

}  // namespace

void TBinTree::saveToStream(TStream& stream) {
    TWriter writer(stream, TBinTree::kStreamBufferSize);
    // Pre-order: after a node comes its left subtree; only right subtrees wait on the stack, with
    // their depth, so that a tree that no load would accept is refused on the way.
    struct TPending {
        TBinTreeNode* node;
        int depth;
    };
    std::vector<TPending> pendingRight;
    int depth = 1;
    // Trees hold many values of one class: the encoded name of the last class is kept.
    std::string_view lastName;
    std::vector<std::uint8_t> encodedName;
    for (TBinTreeNode* node = m_root.get(); node != nullptr;) {
        if (depth > kMaxLoadDepth) {
            throw EWriteError("Der Baum ist zu tief zum Speichern (mehr als " +
                              std::to_string(kMaxLoadDepth) + " Ebenen)");
        }
        TBase& value = *node->getValue();
        const std::string_view name = value.className();
        const bool sameName = name.data() == lastName.data() || name == lastName;
        if (encodedName.empty() || !sameName) {
            lastName = name;
            encodedName = encodedText(std::string(name));
        }
        writer.putBytes(encodedName);
        value.saveValue(writer);
        TBinTreeNode* const left = node->getLeft();
        TBinTreeNode* const right = node->getRight();
        writer.putBoolean(left != nullptr);
        writer.putBoolean(right != nullptr);
        if (right != nullptr) pendingRight.push_back({right, depth + 1});
        if (left != nullptr) {
            node = left;
            ++depth;
        } else if (!pendingRight.empty()) {
            node = pendingRight.back().node;
            depth = pendingRight.back().depth;
            pendingRight.pop_back();
        } else {
            node = nullptr;
        }
    }
    writer.release();
}

void TBinTree::loadFromStream(TStream& stream) {
    TReader reader(stream, TBinTree::kStreamBufferSize);
    loadRecords(reader, nullptr);
}

void TBinTree::loadFromStream(TStream& stream, LoadFindings& findings) {
    findings = {};
    TReader reader(stream, TBinTree::kStreamBufferSize);
    loadRecords(reader, &findings);
    findings.trailingBytes = !reader.atEnd();
}

void TBinTree::loadRecords(TReader& reader, LoadFindings* findings) {
    // A position still to be read: the root (parent absent) or a subtree of parent.
    struct Position {
        TBinTreeNode* parent;
        bool left;
        int depth;
    };
    std::vector<Position> pending{{nullptr, false, 1}};
    TValueReader values(reader, findings);
    while (!pending.empty()) {
        const Position position = pending.back();
        pending.pop_back();
        auto stored = std::make_unique<TBinTreeNode>(nullptr, values.read(), nullptr);
        TBinTreeNode* node = stored.get();
        if (position.parent == nullptr) {
            m_root = std::move(stored);
        } else if (position.left) {
            [[maybe_unused]] auto none = position.parent->setLeft(std::move(stored));
        } else {
            [[maybe_unused]] auto none = position.parent->setRight(std::move(stored));
        }
        const TValueTag leftTag = reader.getTag();
        const TValueTag rightTag = reader.getTag();
        if (findings != nullptr) {
            noteBoolean(leftTag, *findings);
            noteBoolean(rightTag, *findings);
        }
        const bool leftPresent = leftTag == TValueTag::tagTrue;
        const bool rightPresent = rightTag == TValueTag::tagTrue;
        if ((leftPresent || rightPresent) && position.depth >= kMaxLoadDepth) {
            throw EReadError("Ungültiger Eigenschaftswert");
        }
        if (rightPresent) pending.push_back({node, false, position.depth + 1});
        if (leftPresent) pending.push_back({node, true, position.depth + 1});
    }
}
