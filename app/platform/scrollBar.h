// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>

// A scroll bar that keeps its last rendering, read back from the raster image it was painted
// on, and shows it again while nothing it depends on has changed. The style strokes long, partly
// transparent edges; at a device pixel ratio of 2 every such stroke is handed to Qt's thread
// pool, which costs far more than the drawing. Drawn exactly as QScrollBar draws itself; while
// hovered or pressed it is drawn directly.
class TScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit TScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool sameAsCached(const QStyleOptionSlider& option, qreal ratio) const;

    QImage m_cache;
    QStyleOptionSlider m_cachedOption;
    qint64 m_cachedPalette = 0;
    const QStyle* m_cachedStyle = nullptr;
    bool m_pressed = false;
};
