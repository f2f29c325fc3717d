// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gray/grayWindow.h"
#include "lesson/lessonSession.h"
#include "lib/colors.h"

class TGray;
struct TSheet;

// The browser page's main window, apart from the DOM: the listing and the disk canvas that the
// engine writes to, and the table of the last OK. What the lesson decides is the session's,
// which the page is; the page's script shows what it says.
class TGrayPage : public TGrayWindow, public TLessonSession {
public:
    // The disk canvas stays the caller's and must outlive the page. Installs the page as
    // GrayWindow for its lifetime.
    explicit TGrayPage(TCanvas& disk);
    ~TGrayPage() override;
    TGrayPage(const TGrayPage&) = delete;
    TGrayPage& operator=(const TGrayPage&) = delete;

    void appendListingLine(const std::string& text) override { m_listing.push_back(text); }
    TCanvas& diskImage() override { return m_disk; }

    // The OK button for a typed count: builds the table of shownCount(typed) words, fills the
    // listing and shows the table in the session. Returns the count built.
    std::int32_t ok(std::int64_t typed);
    // The table shown, or nullptr before the first OK.
    const TGray* gray() const { return m_gray.get(); }
    const std::vector<std::string>& listing() const { return m_listing; }

    // Draws the disk shown on the page's disk canvas at its width; nothing before the first OK.
    void paintDisk();

private:
    TCanvas& m_disk;
    TGrayWindow* m_previous;
    std::unique_ptr<TGray> m_gray;
    std::vector<std::string> m_listing;
};

// A worksheet page as the page prints and saves it: an A4 SVG drawing in millimetres, vector and
// true to size, on white paper.
std::string sheetSvg(const TSheet& sheet);
// The page that "Drucken" prints for the table of cycle, as the same A4 SVG document.
std::string diskPageSvg(const TGrayCycle& cycle);
