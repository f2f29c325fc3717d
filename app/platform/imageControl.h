// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/platform/qtCanvas.h"

class TImageControl;

// The canvas of an image control: draws on the control's bitmap and has the control repaint.
// Its width and height are the control's size in logical pixels; the bitmap underneath has the
// screen's device pixel ratio, so what is drawn stays sharp on a high-density screen.
// The button face is the window's background colour, or kLightFace where that belongs to a
// dark desktop theme, so that black drawn on it can be told apart.
class TImageCanvas : public TQtCanvas {
public:
    explicit TImageCanvas(TImageControl& image) : m_image(image) {}

    std::int32_t width() const override;
    std::int32_t height() const override;

    static constexpr QColor kLightFace{0xD4, 0xD0, 0xC8};

    QColor faceColor() const override;

    // Ends the painting session that drawing opened, so that the bitmap can be read or dropped.
    void finishDrawing() const { m_painter.reset(); }

protected:
    // On a screen of a higher pixel ratio the outlines stay one device pixel wide, as they are
    // at any zoom: thin and sharp, and drawn on the rasterizer's fast path.
    bool hairlineOutlines() const override { return true; }
    void paintWith(const std::function<void(QPainter&)>& draw) override;

private:
    TImageControl& m_image;
    // One painter serves a whole run of drawing calls (a disk is hundreds of them); it stays
    // open until the bitmap is shown, read or dropped.
    mutable std::optional<QPainter> m_painter;
};

// An image control: shows its bitmap, which is created white at the control's size the first
// time something is drawn on its canvas. Without a picture it shows nothing. Overlays may be
// painted over the bitmap on screen; they never become part of the bitmap.
//
// When the control's size or the device pixel ratio it is painted at changes, the bitmap is
// dropped and pictureOutdated asks its owner to draw it anew. With a sector lookup installed it
// reports clicks and tooltips over sectors, and Left and Right while it has the focus. In handle
// mode the mouse and Left and Right move a handle drawn in an overlay instead.
class TImageControl : public QWidget {
    Q_OBJECT

public:
    using SectorLookup = std::function<std::optional<int>(QPointF)>;

    explicit TImageControl(QWidget* parent = nullptr);

    TImageCanvas& canvas() { return m_canvas; }
    // The bitmap; null while nothing has been drawn.
    const QImage& picture() const {
        m_canvas.finishDrawing();
        return m_picture;
    }
    // Paints owner's overlay over the bitmap on screen; an empty function removes it. Overlays
    // are painted in the order in which their owners first set one.
    void setOverlay(const QObject* owner, std::function<void(QPainter&)> overlay);
    // While on, a left-button press and every move with it held emit handleDragged, Left and
    // Right emit handleStepped, and Page Up and Down or Shift with Left and Right emit
    // handleSectorStepped, instead of selecting sectors.
    void setHandleMode(bool on) { m_handleMode = on; }
    // Which sector lies under a point of the control; an empty function turns sectors off.
    void setSectorLookup(SectorLookup lookup) { m_sectorAt = std::move(lookup); }

signals:
    // The bitmap was dropped because the size or the pixel ratio changed; draw it again.
    void pictureOutdated();
    void sectorClicked(int sector);
    // The tooltip is due over sector at globalPos; sector is empty outside every sector.
    void sectorHovered(std::optional<int> sector, QPoint globalPos);
    // Right (+1) or Left (-1) was pressed.
    void sectorStepped(int step);
    // In handle mode: the left button was pressed or moved with it held at position.
    void handleDragged(QPointF position);
    // In handle mode: Right (+1) or Left (-1) was pressed.
    void handleStepped(int step);
    // In handle mode: Page Down or Shift+Right (+1), Page Up or Shift+Left (-1) was pressed.
    void handleSectorStepped(int step);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TImageCanvas;
    QImage& bitmapForDrawing();
    void dropPicture();

    QImage m_picture;
    // The ratio of the device the control was last painted on; new bitmaps are made for it.
    qreal m_ratio = 1;
    TImageCanvas m_canvas{*this};
    std::vector<std::pair<const QObject*, std::function<void(QPainter&)>>> m_overlays;
    SectorLookup m_sectorAt;
    bool m_handleMode = false;
};
