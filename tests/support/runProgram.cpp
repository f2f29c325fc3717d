// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/runProgram.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "tests/support/tempDir.h"

RunResult runProgram(const std::string& program, const TempDir& dir, const std::string& arguments,
                     const std::string& setUp) {
    const std::string errFile = dir.file("stderr.txt");
    const std::string command =
        "(" + setUp + " exec " + program + " " + arguments + ") 2>" + errFile;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    const Bytes err = readFile(errFile);
    return {WEXITSTATUS(status), out, std::string(err.begin(), err.end())};
}
