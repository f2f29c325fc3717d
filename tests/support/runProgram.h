// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tests/support/tempDir.h"

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

// Runs program with the arguments (already quoted for the shell), after the shell commands of
// setUp, such as a ulimit; its standard error goes through a file in dir.
RunResult runProgram(const std::string& program, const TempDir& dir, const std::string& arguments,
                     const std::string& setUp = "");
