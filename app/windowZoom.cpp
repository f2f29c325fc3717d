// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowZoom.h"

#include <QAction>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/platform/zoomArea.h"

TWindowZoom::TWindowZoom(QWidget& window, TZoomArea& area)
    : QObject(&window), m_window(window), m_area(area) {
    const auto add = [this](const QString& text, const QList<QKeySequence>& keys, auto&& handler) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        m_window.addAction(action);
        return action;
    };
    add(QStringLiteral("Vergrößern"),
        {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { step(1); });
    add(QStringLiteral("Verkleinern"), {QKeySequence::ZoomOut}, [this] { step(-1); });
    add(QStringLiteral("Originalgröße"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { step(0); });
    add(QStringLiteral("Vollbild"), {QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); });
    m_leaveFullScreen = add(QStringLiteral("Vollbild beenden"), {QKeySequence(Qt::Key_Escape)},
                            [this] { toggleFullScreen(); });
    m_leaveFullScreen->setEnabled(false);
    connect(&area, &TZoomArea::zoomStepRequested, this, &TWindowZoom::step);
    // A panel joined or left the content: the window or the presentation follows its size.
    connect(&area, &TZoomArea::designedSizeChanged, this, [this] {
        if (m_window.isFullScreen()) {
            fillScreen();
        } else {
            resizeToContent();
        }
    });
}

namespace {

// Where a window of outer's size at outer's place stands inside available: moved as little as
// it takes, its top-left corner kept on the screen.
QPoint placeInside(QRect outer, const QRect& available) {
    if (available.contains(outer)) return outer.topLeft();
    outer.moveLeft(std::clamp(outer.left(), available.left(),
                              std::max(available.left(), available.right() + 1 - outer.width())));
    outer.moveTop(std::clamp(outer.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - outer.height())));
    return outer.topLeft();
}

}  // namespace

void TWindowZoom::fitInto(const QRect& available) {
    const double zoom = fittingZoom(m_area.scaledSize(1.0), kTypicalFrame, available.size(), 1.0);
    setZoom(zoom);
    const QSize client = m_area.scaledSize(zoom);
    m_window.move(placeInside(QRect(kDesignedPlace, client.grownBy(kTypicalFrame)), available));
}

void TWindowZoom::step(int direction) {
    if (m_window.isFullScreen()) return;
    setZoom(direction == 0 ? 1.0 : nextZoomStep(m_area.zoom(), direction));
}

void TWindowZoom::setZoom(double zoom) {
    m_area.setZoom(zoom);
    if (!m_window.isFullScreen()) resizeToContent();
}

QSize TWindowZoom::clientRoom(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().size().shrunkBy(kTypicalFrame);
}

void TWindowZoom::resizeToContent() {
    // Never beyond the screen: scroll bars take over there.
    const QSize wanted = m_area.scaledSize(m_area.zoom()).boundedTo(clientRoom(m_window));
    const QScreen* screen = m_window.screen();
    m_window.resize(wanted);
    // A window that a panel widened moves back onto the screen.
    if (screen != nullptr && m_window.isVisible()) {
        m_window.move(placeInside(QRect(m_window.pos(), wanted.grownBy(kTypicalFrame)),
                                  screen->availableGeometry()));
    }
}

void TWindowZoom::toggleFullScreen() {
    if (m_window.isFullScreen()) {
        m_window.showNormal();
        m_leaveFullScreen->setEnabled(false);
        m_area.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Back to the size and place it had: the window still reports the full screen's corner
        // here, and a window moved there would have its title bar above the screen.
        m_area.setZoom(m_normalZoom);
        m_window.setGeometry(m_normalGeometry);
        return;
    }
    m_normalZoom = m_area.zoom();
    m_normalGeometry = m_window.geometry();
    m_leaveFullScreen->setEnabled(true);
    m_area.setAlignment(Qt::AlignCenter);  // a presentation stands in the middle of the screen
    m_window.showFullScreen();
    fillScreen();
}

void TWindowZoom::fillScreen() {
    const QSize screen = m_window.screen() ? m_window.screen()->size() : m_window.size();
    const QSize designed = m_area.scaledSize(1.0);
    // Whole percent, rounded down, so that no scroll bar appears.
    const double fills = std::min(double(screen.width()) / designed.width(),
                                  double(screen.height()) / designed.height());
    m_area.setZoom(std::floor(fills * 100) / 100);
}
