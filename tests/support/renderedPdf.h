// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tests/support/runProgram.h"
#include "tests/support/tempDir.h"

// A page of a PDF file as poppler renders it in grey at 254 dots to the inch, so that a pixel is
// 0.1 mm; empty (0 x 0) when it cannot.
struct TRenderedPage {
    int width = 0;
    int height = 0;
    std::string pixels;
    // Darker than mid-grey; false outside the page.
    bool dark(int x, int y) const;
    // The longest run of dark pixels along a row of the page's lowest tenth: the check bar, its
    // first pixel and its length in 0.1 mm.
    struct TBar {
        int start = 0;
        int length = 0;
    };
    TBar checkBar() const;
};
TRenderedPage renderedPage(const TempDir& dir, const std::string& pdfFile, int page = 1);

// The file's page number page as pdftotext reads it.
std::string pageText(const TempDir& dir, const std::string& pdfFile, int page);
