// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "lib/canvas.h"

// A canvas that records every call as one line of text, such as "pie 0 0 700 700 700 350 350
// -650"; colours read "black", "face" or their hexadecimal value.
class RecordingCanvas : public TCanvas {
public:
    RecordingCanvas(std::int32_t width, std::int32_t height) : m_width(width), m_height(height) {}

    std::int32_t width() const override { return m_width; }
    std::int32_t height() const override { return m_height; }

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

    std::vector<std::string> calls;

private:
    void record(const std::string& name, std::initializer_list<std::int32_t> numbers);

    std::int32_t m_width;
    std::int32_t m_height;
};
