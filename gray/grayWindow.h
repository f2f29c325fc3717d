// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

class TCanvas;

// What the Gray code engine needs of the main window. The window implements it and installs
// itself in GrayWindow when it is created; tests install a stand-in.
class TGrayWindow {
public:
    virtual ~TGrayWindow() = default;

    // Appends text as a new last line of the code listing.
    virtual void appendListingLine(const std::string& text) = 0;
    // The canvas of the image that shows the code disk.
    virtual TCanvas& diskImage() = 0;
};

// The main window the engine writes to; must be set before any TGray::generate runs.
inline TGrayWindow* GrayWindow = nullptr;

// The installed main window; raises std::logic_error when there is none.
inline TGrayWindow& grayWindow() {
    if (GrayWindow == nullptr) throw std::logic_error("no main window for the Gray code engine");
    return *GrayWindow;
}
