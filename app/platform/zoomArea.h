// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QScrollArea>

class QLabel;
#include <vector>

// The zoom factors that Ctrl+Plus and Ctrl+Minus step through, from 50 % to 300 %.
inline constexpr double kZoomSteps[] = {0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                        1.25, 1.5,  1.75, 2.0, 2.5, 3.0};
// The next step above zoom (direction > 0) or below it (direction < 0), kept within the steps.
double nextZoomStep(double zoom, int direction);
// The largest factor, at most wanted and at least the smallest step, at which a window whose
// client area is designed at 100 % and whose frame adds frame fits into available.
double fittingZoom(QSize designed, QMargins frame, QSize available, double wanted);

// For a control's own wheelEvent: true, and the event ignored so that it reaches the zoom area,
// when Ctrl is held.
bool leftToZoom(QWheelEvent* event);

// A scroll area whose content is laid out at designed rectangles, all scaled by one zoom
// factor: the placed widgets' rectangles and the content's font. Scroll bars appear when the
// window is smaller than the scaled content, so no control becomes unreachable. Ctrl with the
// mouse wheel over the content asks for a zoom step.
class TZoomArea : public QScrollArea {
    Q_OBJECT

public:
    TZoomArea(QSize designedSize, const QFont& designedFont, QWidget* parent = nullptr);

    // The widget that the placed controls belong to (directly or through other placed ones).
    QWidget* content() const { return widget(); }
    // Puts widget at designed, relative to its parent, times the zoom, now and after every
    // change; a widget placed before moves there. A one-line label keeps at least the width its
    // text needs.
    void place(QWidget* widget, const QRect& designed);
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // The content's size at zoom.
    QSize scaledSize(double zoom) const;
    // A label of text on parent, wrapped to its designed width and aligned top left, placed at
    // designed; the panels' labels.
    QLabel* placeLabel(QWidget* parent, const QString& text, const QRect& designed);
    // Changes the content's size at 100 %, as when a panel joins it.
    void setDesignedSize(QSize designed);
    QSize designedSize() const { return m_designedSize; }

signals:
    void zoomChanged(double zoom);
    void designedSizeChanged();
    // Ctrl with the wheel: +1 to zoom in, -1 to zoom out.
    void zoomStepRequested(int direction);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyTo(QWidget* widget, const QRect& designed) const;

    struct Placed {
        QPointer<QWidget> widget;
        QRect designed;
    };
    QSize m_designedSize;
    QFont m_designedFont;
    std::vector<Placed> m_placed;
    double m_zoom = 1.0;
};
