// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lib/canvas.h"

// The disk canvas of the browser page: every call leaves the WebAssembly module unchanged, as an
// import of the module "zyklora" that the page's script carries to a canvas 2D context.
class TWebCanvas : public TCanvas {
public:
    // The canvas is side x side device pixels from now on.
    void resize(std::int32_t side) { m_side = side; }

    std::int32_t width() const override { return m_side; }
    std::int32_t height() const override { return m_side; }

    void setPenColor(TColor color) override;
    void setBrushColor(TColor color) override;
    void setFont(const TFont& font) override;
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void pie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
             std::int32_t y3, std::int32_t x4, std::int32_t y4) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    void textOut(std::int32_t x, std::int32_t y, const std::string& text) override;

private:
    std::int32_t m_side = 0;
};
