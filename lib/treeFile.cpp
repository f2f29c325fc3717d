// The tree file: TBinTree's save and load.
#include <string_view>
#include <vector>

#include "lib/classRegistry.h"
#include "lib/errors.h"
#include "lib/fileAccess.h"
#include "lib/treeclss.h"
#include "lib/valueClasses.h"
#include "lib/valueStream.h"

namespace {

constexpr std::size_t kBufferSize = 4000;

// Reads a node's class name and value. Trees hold many values of one class, so the entry of
// the last name read is kept for the next record.
std::unique_ptr<TBase> readValue(TReader& reader, std::string& lastName,
                                 const TClassEntry*& lastEntry) {
    std::string name = reader.getString();
    if (lastEntry == nullptr || name != lastName) {
        lastEntry = &classRegistry().find(name);
        lastName = std::move(name);
    }
    const TClassEntry& entry = *lastEntry;
    // Only value classes: any other registered class would end the program in its loadValue.
    if (!isValueClassName(entry.name)) {
        throw EReadError("Ungültiger Eigenschaftswert");
    }
    std::unique_ptr<TBase> value = entry.createEmpty();
    value->loadValue(reader);
    return value;
}

// The bytes that putString writes for text.
std::vector<std::uint8_t> encodedText(const std::string& text) {
    TMemoryStream bytes;
    TWriter writer(bytes, kBufferSize);
    writer.putString(text);
    writer.release();
    return bytes.takeBytes();
}

}  // namespace

void TBinTree::saveToStream(TStream& stream) {
    TWriter writer(stream, kBufferSize);
    std::vector<TBinTreeNode*> pending;
    if (m_root) pending.push_back(m_root.get());
    // Trees hold many values of one class: the encoded name of the last class is kept.
    std::string_view lastName;
    std::vector<std::uint8_t> encodedName;
    while (!pending.empty()) {
        TBinTreeNode* node = pending.back();
        pending.pop_back();
        const std::string_view name = node->getValue()->className();
        const bool sameName = name.data() == lastName.data() || name == lastName;
        if (encodedName.empty() || !sameName) {
            lastName = name;
            encodedName = encodedText(std::string(name));
        }
        writer.putBytes(encodedName);
        node->getValue()->saveValue(writer);
        writer.putBoolean(node->getLeft() != nullptr);
        writer.putBoolean(node->getRight() != nullptr);
        if (node->getRight() != nullptr) pending.push_back(node->getRight());
        if (node->getLeft() != nullptr) pending.push_back(node->getLeft());
    }
    writer.release();
}

void TBinTree::loadFromStream(TStream& stream) {
    TReader reader(stream, kBufferSize);
    loadRecords(reader);
}

void TBinTree::loadRecords(TReader& reader) {
    // A position still to be read: the root (parent absent) or a subtree of parent.
    struct Position {
        TBinTreeNode* parent;
        bool left;
        int depth;
    };
    std::vector<Position> pending{{nullptr, false, 1}};
    std::string lastName;
    const TClassEntry* lastEntry = nullptr;
    while (!pending.empty()) {
        const Position position = pending.back();
        pending.pop_back();
        auto stored = std::make_unique<TBinTreeNode>(
            nullptr, readValue(reader, lastName, lastEntry), nullptr);
        TBinTreeNode* node = stored.get();
        if (position.parent == nullptr) {
            m_root = std::move(stored);
        } else if (position.left) {
            [[maybe_unused]] auto none = position.parent->setLeft(std::move(stored));
        } else {
            [[maybe_unused]] auto none = position.parent->setRight(std::move(stored));
        }
        const bool leftPresent = reader.getBoolean();
        const bool rightPresent = reader.getBoolean();
        if ((leftPresent || rightPresent) && position.depth >= kMaxLoadDepth) {
            throw EReadError("Ungültiger Eigenschaftswert");
        }
        if (rightPresent) pending.push_back({node, false, position.depth + 1});
        if (leftPresent) pending.push_back({node, true, position.depth + 1});
    }
}

void TBinTree::save(const std::string& fileName) {
    try {
        TReplacingFile file(fileName);
        saveToStream(file.stream());
        file.commit();
    } catch (EStreamError& error) {
        if (error.fileName().empty()) error.setFileName(fullPathOf(fileName));
        throw;
    }
}

void TBinTree::load(const std::string& fileName) {
    try {
        std::unique_ptr<TFileStream> file = openForReading(fileName);
        TReader reader(*file, kBufferSize);
        if (reader.atEnd()) {  // no bytes at all, from a file or a pipe: the empty tree
            m_root.reset();
            return;
        }
        loadRecords(reader);
    } catch (EStreamError& error) {
        if (error.fileName().empty()) error.setFileName(fullPathOf(fileName));
        throw;
    }
}
