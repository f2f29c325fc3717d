// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A PDF 1.4 file written out by hand: pages of vector drawing and text in the standard fonts
// Helvetica (/F1) and Helvetica-Bold (/F2) with WinAnsiEncoding, which every reader has, so that
// nothing is embedded. Streams stay uncompressed.
//
// The file: header; objects 1 catalog, 2 page tree, 3 document information, 4 and 5 the fonts,
// 6 the resources every page shares; then for each page its page object and its content stream;
// the cross-reference table and the trailer.
class TPdfDocument {
public:
    // title (UTF-8) names the document in its information; characters beyond Windows-1252 become
    // "?".
    explicit TPdfDocument(std::string title);

    // Begins a page of widthPt x heightPt points.
    void addPage(double widthPt, double heightPt);
    // The content stream of the last page begun, for the caller to append operators to; y runs
    // upwards from the page's bottom edge, as PDF draws. There must be a page.
    std::string& content() { return m_pages.back().content; }
    std::size_t pageCount() const { return m_pages.size(); }

    // The whole file.
    std::string bytes() const;

private:
    struct TPage {
        double widthPt;
        double heightPt;
        std::string content;
    };

    std::string m_title;
    std::vector<TPage> m_pages;
};

// Windows-1252 text as a PDF string to show in the fonts above: (, ) and \ escaped.
std::string pdfString(std::string_view ansi);
// A number as the content streams write it, to a thousandth of a point.
std::string pdfNumber(double value);
