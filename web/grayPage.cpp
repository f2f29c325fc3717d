// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/grayPage.h"

#include <utility>

#include "draw/svgCanvas.h"
#include "gray/GrayUnit.h"
#include "gray/diskLayout.h"
#include "gray/grayTable.h"
#include "lesson/worksheet.h"

TGrayPage::TGrayPage(TCanvas& disk) : m_disk(disk), m_previous(std::exchange(GrayWindow, this)) {}

TGrayPage::~TGrayPage() { GrayWindow = m_previous; }

std::int32_t TGrayPage::ok(std::int64_t typed) {
    m_listing.clear();
    m_gray = std::make_unique<TGray>(shownCount(typed));
    m_gray->generate();
    showTable(m_gray->cycle());
    return m_gray->codeCount();
}

void TGrayPage::paintDisk() { shownDisk().paintShownDisk(m_disk); }

namespace {

// An A4 page drawn by paint, titled title, in millimetres.
template <typename Paint>
std::string a4Svg(const std::string& title, Paint paint) {
    TSvgCanvas svg(kSheetWidth, kSheetHeight, title, rgbColor(255, 255, 255),
                   TPaper{kSheetWidthMm, kSheetHeightMm});
    paint(svg);
    return svg.document();
}

}  // namespace

std::string sheetSvg(const TSheet& sheet) {
    return a4Svg(sheetTitle(sheet), [&](TCanvas& canvas) { paintSheet(canvas, sheet); });
}

std::string diskPageSvg(const TGrayCycle& cycle) {
    return a4Svg(worksheetHeading(cycle), [&](TCanvas& canvas) { paintDiskPage(canvas, cycle); });
}
