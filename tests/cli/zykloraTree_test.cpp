// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <thread>

#include "cli/treeJson.h"
#include "lib/treeclss.h"
#include "tests/support/runProgram.h"
#include "tests/support/tempDir.h"

namespace {

// Runs zyklora-tree with the arguments (already quoted for the shell), after the shell commands
// of setUp, such as a ulimit.
RunResult run(const TempDir& dir, const std::string& arguments, const std::string& setUp = "") {
    return runProgram(ZYKLORA_TREE_PATH, dir, arguments, setUp);
}

const std::string kWorkedJson =
    "{\"class\": \"TInteger\", \"value\": 300, "
    "\"left\": {\"class\": \"TInteger\", \"value\": -1, \"left\": null, \"right\": null}, "
    "\"right\": {\"class\": \"TInteger\", \"value\": 100000, \"left\": null, \"right\": null}}\n";

TEST(ZykloraTree, ShowCopyAndUsage) {
    TempDir dir;
    const std::string worked = dir.file("worked.bin");
    writeFile(worked, hexBytes(kWorkedTree));

    RunResult shown = run(dir, "show " + worked);
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, kWorkedJson);

    const std::string cut = dir.file("cut.bin");
    Bytes bytes = hexBytes(kWorkedTree);
    writeFile(cut, prefixOf(bytes, 41));
    RunResult damaged = run(dir, "show " + cut);
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.err, "zyklora-tree: " + cut + ": Stream-Lesefehler\n");
    EXPECT_NE(damaged.out.find("\"value\": -1"), std::string::npos);
    EXPECT_NE(damaged.out.find("\"right\": null}\n"), std::string::npos);

    const std::string copied = dir.file("copy.bin");
    EXPECT_EQ(run(dir, "copy " + worked + " " + copied).status, 0);
    EXPECT_EQ(readFile(copied), bytes);
    RunResult failedCopy = run(dir, "copy " + cut + " " + dir.file("never.bin"));
    EXPECT_EQ(failedCopy.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("never.bin")));

    EXPECT_EQ(run(dir, "show " + dir.file("empty.bin")).status, 1);
    writeFile(dir.file("empty.bin"), {});
    EXPECT_EQ(run(dir, "show " + dir.file("empty.bin")).out, "null\n");

    RunResult help = run(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Baumdateien"), std::string::npos);
    RunResult wrong = run(dir, "show");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("Aufruf:"), std::string::npos);
}

// Writes bytes into the FIFO after a pause, as a writer that comes after the reader; gives up
// when nobody reads by then, so that a reader that quit early cannot leave it waiting.
std::thread lateWriter(const std::string& fifo, const Bytes& bytes) {
    return std::thread([fifo, bytes] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const int descriptor = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // ENXIO: no reader
        if (descriptor < 0) return;
        ::fcntl(descriptor, F_SETFL, 0);
        (void)!::write(descriptor, bytes.data(), bytes.size());
        ::close(descriptor);
    });
}

TEST(ZykloraTree, FifoWithALateWriterIsReadInFull) {
    TempDir dir;
    const Bytes bytes = hexBytes(kWorkedTree);
    const std::string fifo = dir.file("fifo");
    const std::string copied = dir.file("copy.bin");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    writeFile(copied, {0x06, 0x00});  // copy must replace it, not empty it
    const std::pair<std::string, std::string> cases[] = {{"show " + fifo, kWorkedJson},
                                                         {"copy " + fifo + " " + copied, ""}};
    for (const auto& [arguments, out] : cases) {
        std::thread writer = lateWriter(fifo, bytes);
        const RunResult result = run(dir, arguments);
        writer.join();
        EXPECT_EQ(result.status, 0) << arguments;
        EXPECT_EQ(result.out, out) << arguments;
    }
    EXPECT_EQ(readFile(copied), bytes);
}

// A tree file of one TString of length zero bytes, stored sparsely as a long text.
std::string sparseTextTree(const TempDir& dir, std::uint32_t length) {
    const std::string name = dir.file("text" + std::to_string(length) + ".bin");
    Bytes bytes = hexBytes("06 07 54 53 74 72 69 6E 67 0C");
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    writeFile(name, bytes);
    std::filesystem::resize_file(name, bytes.size() + length);
    std::FILE* file = std::fopen(name.c_str(), "ab");
    std::fputs("\x08\x08", file);
    std::fclose(file);
    return name;
}

TEST(ZykloraTree, FailuresEndWithASafeGermanMessageAndStatusOne) {
    TempDir dir;
    const std::string worked = dir.file("worked.bin");
    writeFile(worked, hexBytes(kWorkedTree));
    const std::string hostile = dir.file("hostile.bin");
    Bytes name = hexBytes("06 50 54 1B 5B 32 4A 00");  // "T", ESC "[2J", NUL, then 72 "A"
    name.resize(2 + 0x50, 'A');
    writeFile(hostile, name);
    const std::string large = sparseTextTree(dir, 1 << 16);
    struct Case {
        std::string setUp;
        std::string arguments;
        std::string err;  // the start of standard error
    } cases[] = {
        {"", "show " + worked + " >/dev/full",
         "zyklora-tree: Fehler beim Schreiben der Standardausgabe ("},
        {"", "show " + hostile,
         "zyklora-tree: " + hostile + ": Klasse T\\x1B[2J\\x00" + std::string(58, 'A') +
             "… nicht gefunden\n"},
        {"ulimit -f 16;", "copy " + large + " " + dir.file("limited.bin"),
         "zyklora-tree: " + dir.file("limited.bin") + ": Stream-Schreibfehler ("},
    };
    for (const Case& c : cases) {
        const RunResult result = run(dir, c.arguments, c.setUp);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err) << c.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("limited.bin")));
}

// Memory follows the data: a text of L bytes is shown and copied within 3 L + 64 MiB of address
// space, though its JSON form is six times as long.
TEST(ZykloraTree, MemoryFollowsTheData) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves far more address space than any such limit";
#endif
    TempDir dir;
    constexpr std::uint32_t kLength = 64 << 20;
    const std::string large = sparseTextTree(dir, kLength);
    const std::string limit =
        "ulimit -v " + std::to_string((3 * kLength + (64 << 20)) / 1024) + ";";
    const RunResult shown = run(dir, "show " + large + " | wc -c", limit);
    EXPECT_EQ(shown.err, "");
    EXPECT_EQ(run(dir, "copy " + large + " " + dir.file("copy.bin"), limit).status, 0);

    const RunResult starved = run(dir, "show " + large, "ulimit -v 40000;");
    EXPECT_EQ(starved.status, 1);
    EXPECT_EQ(starved.err, "zyklora-tree: Nicht genug Arbeitsspeicher\n");
}

TEST(ZykloraTree, ValuesAsJson) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<std::unique_ptr<TBase>, std::string> cases[] = {
        {std::make_unique<TString>("Gr\xF6\xDF"
                                   "e \"q\"\n\x80"),
         "\"Größe \\\"q\\\"\\u000a€\""},
        {std::make_unique<TChar>('\\'), "\"\\\\\""},
        {std::make_unique<TInt64>(-(std::int64_t{1} << 62)), "-4611686018427387904"},
        {std::make_unique<TTColor>(clBtnFace), "-16777201"},
        {std::make_unique<TWord>(65535), "65535"},
        {std::make_unique<TBoolean>(false), "false"},
        {std::make_unique<TReal>(0.1), "0.1"},
        {std::make_unique<TReal>(-inf), "\"-Infinity\""},
        {std::make_unique<TReal>(std::nan("")), "\"NaN\""},
        {std::make_unique<TExtended>(1.0L / 3.0L), "0.333333333333333333342"},
        {std::make_unique<TTBruch>(TBruch{3, 4}), "{\"numerator\": 3, \"denominator\": 4}"},
    };
    for (const auto& [value, json] : cases) EXPECT_EQ(valueToJson(*value), json);
}

TEST(ZykloraTree, DeepTreesPrintWithoutRecursion) {
    TBinTree tree;
    std::unique_ptr<TBinTreeNode> chain;
    for (int i = 0; i < 10000; ++i) {
        chain =
            std::make_unique<TBinTreeNode>(std::move(chain), std::make_unique<TByte>(1), nullptr);
    }
    EXPECT_EQ(tree.setRoot(std::move(chain)), nullptr);
    const std::string json = treeToJson(tree);
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 10000);
    EXPECT_EQ(std::count(json.begin(), json.end(), '}'), 10000);
}

}  // namespace

// CLI input and limits: damaged or empty input ends in status 1 with a message, and copy then
// leaves its target as it was.
TEST(ZykloraTree, InputAndLimits) {
    TempDir dir;
    const std::string worked = dir.file("worked.bin");
    writeFile(worked, hexBytes(kWorkedTree));
    const std::string flag = dir.file("flag.bin");
    writeFile(flag, hexBytes(std::string(kWorkedTree).replace(39, 2, "00")));
    const std::string trailing = dir.file("trailing.bin");
    writeFile(trailing, hexBytes(std::string(kWorkedTree) + " 00"));
    const std::string empty = dir.file("empty.bin");
    writeFile(empty, {});
    const std::string target = dir.file("target.bin");
    const std::string damage = "Beschädigte Datei: ";
    struct Case {
        std::string arguments;
        int status;
        std::string out;          // the standard output, for show
        std::string errContains;  // "" for none
    };
    const Case cases[] = {
        {"show /dev/stdin </dev/null", 1, "null\n", "eine leere Eingabe ist kein Baum"},
        {"copy /dev/stdin " + target + " </dev/null", 1, "", "eine leere Eingabe ist kein Baum"},
        {"copy /dev/stdin " + target + " < " + empty, 0, "", ""},  // a regular file
        {"show " + empty, 0, "null\n", ""},
        {"show " + flag, 1,
         "{\"class\": \"TInteger\", \"value\": 300, \"left\": null, \"right\": {\"class\": "
         "\"TInteger\", \"value\": -1, \"left\": null, \"right\": null}}\n",
         damage + "ein Wahrheitswert ist weder 08 noch 09"},
        {"copy " + flag + " " + target, 1, "", damage + "ein Wahrheitswert"},
        {"show " + trailing, 1, kWorkedJson, damage + "Daten nach dem Ende des Baums"},
        {"copy " + trailing + " " + target, 1, "", damage + "Daten nach dem Ende"},
        {"copy " + worked + " " + target, 0, "", ""},
    };
    for (const Case& c : cases) {
        writeFile(target, hexBytes("41"));
        const RunResult result = run(dir, c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        if (c.arguments.starts_with("show")) {
            EXPECT_EQ(result.out, c.out) << c.arguments;
        }
        if (c.errContains.empty()) {
            EXPECT_EQ(result.err, "") << c.arguments;
        } else {
            EXPECT_NE(result.err.find(c.errContains), std::string::npos) << result.err;
        }
        if (c.arguments.starts_with("copy") && c.status != 0) {
            EXPECT_EQ(readFile(target), hexBytes("41")) << c.arguments;
        }
    }
    // A reader that goes away is a failed write, status 1 as for any other, not SIGPIPE.
    const std::string statusFile = dir.file("status.txt");
    const std::string command = "{ " + std::string(ZYKLORA_TREE_PATH) + " show " +
                                sparseTextTree(dir, 1 << 20) + " 2>/dev/null; echo $? >" +
                                statusFile + "; } | head -c 1 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const Bytes status = readFile(statusFile);
    EXPECT_EQ(std::string(status.begin(), status.end()), "1\n");
}

// Many small nodes that do not fit: a message and status 1, not an abort.
TEST(ZykloraTree, ManyNodesBeyondMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves far more address space than any such limit";
#endif
    TempDir dir;
    const std::string many = dir.file("many.bin");
    // A complete tree of 2^21 - 1 nodes in pre-order: inner nodes, then two leaves.
    const Bytes record = hexBytes("06 08 54 49 6E 74 65 67 65 72 02 01");
    Bytes bytes;
    std::function<void(int)> add = [&](int levels) {
        bytes.insert(bytes.end(), record.begin(), record.end());
        bytes.push_back(levels > 1 ? 0x09 : 0x08);
        bytes.push_back(levels > 1 ? 0x09 : 0x08);
        if (levels > 1) {
            add(levels - 1);
            add(levels - 1);
        }
    };
    add(21);
    writeFile(many, bytes);
    for (const std::string& arguments : {"show " + many, "copy " + many + " " + dir.file("c")}) {
        const RunResult result = run(dir, arguments + " >/dev/null", "ulimit -v 60000;");
        EXPECT_EQ(result.status, 1) << arguments;
        EXPECT_EQ(result.err, "zyklora-tree: Nicht genug Arbeitsspeicher\n") << arguments;
    }
}

// Control characters that steer a terminal are escaped: C0, DEL and C1.
TEST(ZykloraTree, ControlCharactersInJson) {
    EXPECT_EQ(valueToJson(TString("a\x7f\x81\x8d\x9d\x1b")),
              "\"a\\u007f\\u0081\\u008d\\u009d\\u001b\"");
}
