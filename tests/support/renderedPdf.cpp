// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/renderedPdf.h"

#include <iterator>
#include <sstream>

bool TRenderedPage::dark(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y * width + x)]) < 128;
}

TRenderedPage::TBar TRenderedPage::checkBar() const {
    TBar longest;
    for (int y = height * 9 / 10; y < height; ++y) {
        for (int x = 0, run = 0; x < width; ++x) {
            run = dark(x, y) ? run + 1 : 0;
            if (run > longest.length) longest = {x + 1 - run, run};
        }
    }
    return longest;
}

TRenderedPage renderedPage(const TempDir& dir, const std::string& pdfFile, int page) {
    const std::string number = std::to_string(page);
    const RunResult run =
        runProgram("pdftoppm", dir, "-r 254 -gray -f " + number + " -l " + number + " " + pdfFile);
    std::istringstream in(run.out);
    std::string magic;
    int depth = 0;
    TRenderedPage rendered;
    in >> magic >> rendered.width >> rendered.height >> depth;
    in.get();
    rendered.pixels.assign(std::istreambuf_iterator<char>(in), {});
    if (magic != "P5" || rendered.pixels.size() != static_cast<std::size_t>(rendered.width) *
                                                       static_cast<std::size_t>(rendered.height)) {
        return {};
    }
    return rendered;
}

std::string pageText(const TempDir& dir, const std::string& pdfFile, int page) {
    const std::string number = std::to_string(page);
    return runProgram("pdftotext", dir, "-f " + number + " -l " + number + " " + pdfFile + " -")
        .out;
}
