// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/treeFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "gray/GrayUnit.h"
#include "lib/errors.h"
#include "lib/libraryClasses.h"
#include "lib/treeclss.h"
#include "tests/support/tempDir.h"

namespace {

std::unique_ptr<TBinTreeNode> leaf(std::unique_ptr<TBase> value) {
    return std::make_unique<TBinTreeNode>(nullptr, std::move(value), nullptr);
}

std::unique_ptr<TBinTree> workedTree() {
    auto tree = std::make_unique<TBinTree>();
    EXPECT_EQ(tree->setRoot(std::make_unique<TBinTreeNode>(
                  leaf(std::make_unique<TInteger>(-1)), std::make_unique<TInteger>(300),
                  leaf(std::make_unique<TInteger>(100000)))),
              nullptr);
    return tree;
}

// A tree that holds one node, so that a failed load can be seen to keep or drop it.
std::unique_ptr<TBinTree> oldTree() {
    auto tree = std::make_unique<TBinTree>();
    EXPECT_EQ(tree->setRoot(leaf(std::make_unique<TString>("old"))), nullptr);
    return tree;
}

Bytes savedBytes(TBinTree& tree) {
    TMemoryStream stream;
    tree.saveToStream(stream);
    return stream.bytes();
}

// Loads the bytes into tree; returns the error message, or "" on success.
std::string loadBytes(TBinTree& tree, const Bytes& bytes) {
    TMemoryStream stream(bytes);
    try {
        tree.loadFromStream(stream);
        return "";
    } catch (const EStreamError& error) {
        return error.what();
    }
}

class TreeFile : public ::testing::Test {
protected:
    void SetUp() override {
        registerLibraryClasses();
        installTreeFiles();
    }
    TempDir dir;
};

TEST_F(TreeFile, WorkedTreeIsExactlyItsBytesAndLoadsIntoAnyTree) {
    auto tree = workedTree();
    EXPECT_EQ(hexOf(savedBytes(*tree)), kWorkedTree);
    auto loaded = oldTree();
    EXPECT_EQ(loadBytes(*loaded, hexBytes(kWorkedTree)), "");
    EXPECT_EQ(loaded->compare(tree.get()), 0);
    // Trailing bytes are not read; a lower-case class name finds its class.
    Bytes lowerCase = hexBytes(kWorkedTree);
    lowerCase[2] = 't';
    lowerCase.push_back(0xFF);
    EXPECT_EQ(loadBytes(*loaded, lowerCase), "");
    EXPECT_EQ(loaded->compare(tree.get()), 0);
}

TEST_F(TreeFile, PayloadsOfEveryValueClass) {
    struct PayloadCase {
        std::unique_ptr<TBase> value;
        const char* payload;
    };
    PayloadCase cases[] = {
        {std::make_unique<TString>("0101"), "06 04 30 31 30 31"},
        {std::make_unique<TChar>('A'), "06 01 41"},
        {std::make_unique<TByte>(200), "03 C8 00"},
        {std::make_unique<TWord>(40000), "04 40 9C 00 00"},
        {std::make_unique<TLongint>(-1), "02 FF"},
        {std::make_unique<TTColor>(clBtnFace), "04 0F 00 00 FF"},
        {std::make_unique<TInt64>(std::int64_t{1} << 32), "13 00 00 00 00 01 00 00 00"},
        {std::make_unique<TReal>(1.5, 0.25), "05 00 00 00 00 00 00 00 C0 FF 3F"},
        {std::make_unique<TExtended>(-2.0L, 0.5L), "05 00 00 00 00 00 00 00 80 00 C0"},
        {std::make_unique<TBoolean>(true), "09"},
        {std::make_unique<TTBruch>(TBruch{3, 0}), "02 03 02 00"},
    };
    for (PayloadCase& c : cases) {
        const std::string name(c.value->className());
        TBinTree tree;
        auto copied = c.value->copy();
        EXPECT_EQ(tree.setRoot(leaf(std::move(c.value))), nullptr);
        const Bytes bytes = savedBytes(tree);
        const std::string expected =
            hexOf(encoded([&](TWriter& w) { w.putString(name); })) + " " + c.payload + " 08 08";
        EXPECT_EQ(hexOf(bytes), expected) << name;
        TBinTree back;
        ASSERT_EQ(loadBytes(back, bytes), "") << name;
        // A loaded real or extended has tolerance 0, so it still equals the original.
        EXPECT_EQ(back.root()->getValue()->compare(copied.get()), 0) << name;
    }
}

TEST_F(TreeFile, NarrowClassesKeepTheLowBitsOnLoad) {
    TByte byte(0);
    TMemoryStream bytes(hexBytes("03 2C 01"));
    TReader byteReader(bytes, 4000);
    byte.loadValue(byteReader);
    EXPECT_EQ(byte.getValue(), 44);
    TWord word(0);
    TMemoryStream words(hexBytes("02 FF"));
    TReader wordReader(words, 4000);
    word.loadValue(wordReader);
    EXPECT_EQ(word.getValue(), 65535);
}

TEST_F(TreeFile, FailedLoadsKeepWhatWasStored) {
    const Bytes worked = hexBytes(kWorkedTree);
    struct CutCase {
        std::size_t length;
        std::string error;
        std::string holds;  // root, left and right values; "-" for absent
    };
    auto describe = [](TBinTree& tree) {
        auto valueOf = [](TBinTreeNode* node) -> std::string {
            if (node == nullptr) return "-";
            if (auto* text = dynamic_cast<TString*>(node->getValue())) return text->text();
            return std::to_string(static_cast<TInteger*>(node->getValue())->getValue());
        };
        TBinTreeNode* root = tree.root();
        return valueOf(root) + " " + (root ? valueOf(root->getLeft()) : "-") + " " +
               (root ? valueOf(root->getRight()) : "-");
    };
    const CutCase cases[] = {
        {41, "Stream-Lesefehler", "300 -1 -"},
        {44, "Stream-Lesefehler", "300 -1 100000"},
        {12, "Stream-Lesefehler", "old - -"},  // inside the root's payload
        {0, "Stream-Lesefehler", "old - -"},
    };
    for (const CutCase& c : cases) {
        auto tree = oldTree();
        EXPECT_EQ(loadBytes(*tree, prefixOf(worked, c.length)), c.error);
        EXPECT_EQ(describe(*tree), c.holds) << c.length;
    }
    for (std::size_t length = 0; length < worked.size(); ++length) {
        TBinTree tree;
        EXPECT_EQ(loadBytes(tree, prefixOf(worked, length)), "Stream-Lesefehler");
    }
}

TEST_F(TreeFile, HostileRecordsAreRefused) {
    auto record = [](const std::string& name, const char* rest) {
        return hexOf(encoded([&](TWriter& w) { w.putString(name); })) + " " + rest;
    };
    const std::pair<std::string, std::string> cases[] = {
        {record("TCode", "06 01 30 08 08"), "Klasse TCode nicht gefunden"},
        {record("TBase", "08 08"), "Ungültiger Eigenschaftswert"},
        {record("TListe", "08 08"), "Ungültiger Eigenschaftswert"},
        {record("TBinTree", "08 08"), "Ungültiger Eigenschaftswert"},
        {record("TString", "0C FF FF FF 7F 41"), "Stream-Lesefehler"},
    };
    for (const auto& [hex, error] : cases) {
        auto tree = oldTree();
        EXPECT_EQ(loadBytes(*tree, hexBytes(hex)), error) << hex;
        EXPECT_EQ(static_cast<TString*>(tree->root()->getValue())->text(), "old");
    }

    // A chain of 10 000 levels loads; one more level is refused.
    const std::string node = record("TBoolean", "09");
    for (int levels : {10000, 10001}) {
        std::string hex;
        for (int i = 1; i < levels; ++i) hex += node + " 09 08 ";
        hex += node + " 08 08";
        TBinTree tree;
        EXPECT_EQ(loadBytes(tree, hexBytes(hex)),
                  levels == 10000 ? "" : "Ungültiger Eigenschaftswert");
        EXPECT_EQ(tree.depth(), 10000);
    }
}

TEST_F(TreeFile, SaveAndLoadFiles) {
    const std::string name = dir.file("tree.bin");
    auto tree = workedTree();
    writeFile(name, Bytes(5000, 0x55));  // a larger file leaves no old bytes behind
    tree->save(name);
    EXPECT_EQ(hexOf(readFile(name)), kWorkedTree);
    tree->save(name);
    EXPECT_EQ(hexOf(readFile(name)), kWorkedTree);

    auto loaded = oldTree();
    loaded->load(name);
    EXPECT_EQ(loaded->compare(tree.get()), 0);

    TBinTree().save(name);
    EXPECT_TRUE(readFile(name).empty());
    loaded->load(name);
    EXPECT_TRUE(loaded->empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(TreeFile, FileErrorsNameTheFullPathAndLeaveEverythingAsItWas) {
    const std::string missing = dir.file("missing.bin");
    auto tree = oldTree();
    try {
        tree->load(missing);
        FAIL() << "load of a missing file succeeded";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Datei " + missing + " kann nicht geöffnet werden. No such file or directory");
    }
    EXPECT_FALSE(tree->empty());

    // Another holder of the file's lock: neither load nor save touches it.
    const std::string held = dir.file("held.bin");
    writeFile(held, hexBytes(kWorkedTree));
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    EXPECT_THROW(tree->load(held), EFOpenError);
    EXPECT_THROW(tree->save(held), EFCreateError);
    ::close(holder);
    EXPECT_EQ(hexOf(readFile(held)), kWorkedTree);

    // A save that fails half-way leaves the earlier file byte-identical and no temporary file
    // behind.
    class TBrokenValue : public TString {
        void saveValue(TWriter&) override { throw EWriteError("Stream-Schreibfehler"); }
    };
    TBinTree broken;
    EXPECT_EQ(broken.setRoot(leaf(std::make_unique<TBrokenValue>())), nullptr);
    EXPECT_THROW(broken.save(held), EWriteError);
    EXPECT_EQ(hexOf(readFile(held)), kWorkedTree);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    const std::string nowhere = dir.file("no/such/folder.bin");
    try {
        workedTree()->save(nowhere);
        FAIL() << "save into a missing folder succeeded";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Datei \"" + nowhere +
                                                 "\" kann nicht erstellt werden. No such file or "
                                                 "directory");
    }
}

TEST_F(TreeFile, CodeWordsAreSavedButNotLoaded) {
    TBinTree tree;
    EXPECT_EQ(tree.setRoot(leaf(std::make_unique<TCode>("0101"))), nullptr);
    const std::string name = dir.file("codes.bin");
    tree.save(name);
    TBinTree back;
    EXPECT_THROW(back.load(name), EClassNotFound);
}

}  // namespace

// Loader strictness: what a load accepts although save never writes it. load keeps taking it;
// loadAndCheck names it.
TEST_F(TreeFile, LoaderStrictness) {
    struct Case {
        std::string hex;
        bool oddBoolean;
        bool trailingBytes;
        const char* json;  // the tree that load makes, as nodes' values in pre-order
    };
    const std::string boolean = hexOf(encoded([](TWriter& w) { w.putString("TBoolean"); }));
    const Case cases[] = {
        {kWorkedTree, false, false, "300 -1 100000"},
        // Byte 13, the root's left flag, as 00: -1 moves right, 100000 is left over.
        {std::string(kWorkedTree).replace(39, 2, "00"), true, true, "300 -1"},
        {std::string(kWorkedTree) + " 08", false, true, "300 -1 100000"},
        {boolean + " 09 08 08", false, false, "1"},
        {boolean + " 02 08 08", true, false, "0"},
        {boolean + " 09 08 0A", true, false, "1"},
        {boolean + " 09 08 08 " + boolean, false, true, "1"},
    };
    for (const Case& c : cases) {
        const std::string file = dir.file("strict.bin");
        writeFile(file, hexBytes(c.hex));
        TBinTree plain;
        plain.load(file);
        TBinTree::LoadFindings findings;
        TBinTree checked;
        checked.loadAndCheck(file, findings);
        EXPECT_EQ(findings.oddBoolean, c.oddBoolean) << c.hex;
        EXPECT_EQ(findings.trailingBytes, c.trailingBytes) << c.hex;
        EXPECT_FALSE(findings.emptyStream) << c.hex;
        EXPECT_EQ(checked.compare(&plain), 0) << c.hex;
        std::string values;
        std::vector<TBinTreeNode*> pending{plain.root()};
        while (!pending.empty()) {
            TBinTreeNode* node = pending.back();
            pending.pop_back();
            if (node == nullptr) continue;
            auto* value = node->getValue();
            if (auto* integer = dynamic_cast<TInteger*>(value)) {
                // Appended apart: "" + std::string trips GCC 12's -Wrestrict at -O3.
                if (!values.empty()) values += ' ';
                values += std::to_string(integer->getValue());
            } else {
                values += std::to_string(static_cast<TBoolean*>(value)->getValue());
            }
            pending.push_back(node->getRight());
            pending.push_back(node->getLeft());
        }
        EXPECT_EQ(values, c.json) << c.hex;
    }

    // A zero-byte file is the empty tree without damage; an empty pipe is damage.
    const std::string empty = dir.file("empty.bin");
    writeFile(empty, {});
    for (const std::string& file : {empty, std::string("/dev/null")}) {
        auto tree = oldTree();
        TBinTree::LoadFindings findings;
        tree->loadAndCheck(file, findings);
        EXPECT_TRUE(tree->empty());
        EXPECT_EQ(findings.emptyStream, file != empty) << file;
    }
}

// A tree that load would refuse is not saved, and the file keeps its content.
TEST_F(TreeFile, SaveRefusesTreesDeeperThanLoadAccepts) {
    for (int levels : {TBinTree::kMaxLoadDepth, TBinTree::kMaxLoadDepth + 1}) {
        std::unique_ptr<TBinTreeNode> chain;
        for (int i = 0; i < levels; ++i) {
            chain = std::make_unique<TBinTreeNode>(nullptr, std::make_unique<TInteger>(i),
                                                   std::move(chain));
        }
        TBinTree tree;
        EXPECT_EQ(tree.setRoot(std::move(chain)), nullptr);
        const std::string file = dir.file("deep.bin");
        writeFile(file, hexBytes("41"));
        std::string error;
        try {
            tree.save(file);
        } catch (const EWriteError& e) {
            error = e.what();
            EXPECT_EQ(e.fileName(), file);
        }
        if (levels == TBinTree::kMaxLoadDepth) {
            EXPECT_EQ(error, "");
            TBinTree loaded;
            loaded.load(file);
            EXPECT_EQ(loaded.compare(&tree), 0);
        } else {
            EXPECT_EQ(error, "Der Baum ist zu tief zum Speichern (mehr als 10000 Ebenen)");
            EXPECT_EQ(readFile(file), hexBytes("41"));
        }
    }
}
