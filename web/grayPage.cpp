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

std::string sheetSvg(const TSheet& sheet) {
    TSvgCanvas svg(kSheetWidth, kSheetHeight, sheetTitle(sheet), rgbColor(255, 255, 255),
                   TPaper{kSheetWidthMm, kSheetHeightMm});
    paintSheet(svg, sheet);
    return svg.document();
}
