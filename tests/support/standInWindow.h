// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gray/grayWindow.h"
#include "tests/support/recordingCanvas.h"

// Stands in for the main window while it lives: collects the listing's lines and records what
// is drawn on a 700 x 700 disk image.
class StandInWindow : public TGrayWindow {
public:
    StandInWindow() : m_previous(std::exchange(GrayWindow, this)) {}
    ~StandInWindow() override { GrayWindow = m_previous; }
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;

    void appendListingLine(const std::string& text) override { lines.push_back(text); }
    TCanvas& diskImage() override { return canvas; }

    std::vector<std::string> lines;
    RecordingCanvas canvas{700, 700};

private:
    TGrayWindow* m_previous;
};
