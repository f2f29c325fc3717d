#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "cli/treeJson.h"
#include "lib/treeclss.h"
#include "tests/support/tempDir.h"

namespace {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

// Runs zyklora-tree with the arguments (already quoted for the shell).
RunResult run(const TempDir& dir, const std::string& arguments) {
    const std::string errFile = dir.file("stderr.txt");
    const std::string command = std::string(ZYKLORA_TREE_PATH) + " " + arguments + " 2>" + errFile;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    const Bytes err = readFile(errFile);
    return {WEXITSTATUS(status), out, std::string(err.begin(), err.end())};
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
    EXPECT_EQ(damaged.err, "Stream-Lesefehler\n");
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
