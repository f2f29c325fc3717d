// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sidePanels.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/platform/zoomArea.h"
#include "app/windowZoom.h"

namespace {

// The gap between the panel and the content's right edge.
constexpr int kMargin = 12;

}  // namespace

TSidePanels::TSidePanels(TZoomArea& zoom, TLessonSession& session, QWidget& disk,
                         const QRect& diskPlace)
    : QObject(&zoom),
      m_zoom(zoom),
      m_session(session),
      m_disk(disk),
      m_diskPlace(diskPlace),
      m_designedWithoutPanel(zoom.designedSize()) {
    // A zoom step changes how much of the content the screen holds; a presentation fills the
    // screen at whatever zoom the content needs.
    connect(&zoom, &TZoomArea::zoomChanged, this, [this] {
        if (!m_zoom.window()->isFullScreen()) arrange();
    });
}

void TSidePanels::add(TLessonPanel lessonPanel, QAction* action, QWidget* panel, int width) {
    const QRect designed{kLeft, kTop, width, kHeight};
    m_zoom.place(panel, designed);
    panel->hide();
    m_panels.push_back({lessonPanel, action, panel, designed, width + kMargin});
    connect(action, &QAction::toggled, this,
            [this, action](bool shown) { toggled(action, shown); });
}

void TSidePanels::addOver(TLessonPanel lessonPanel, QAction* action, QWidget* panel,
                          const QRect& designed) {
    m_zoom.place(panel, designed);
    panel->hide();
    panel->setAutoFillBackground(true);  // the controls underneath stay out of sight
    m_panels.push_back({lessonPanel, action, panel, designed, 0});
    connect(action, &QAction::toggled, this,
            [this, action](bool shown) { toggled(action, shown); });
}

void TSidePanels::toggled(QAction* action, bool shown) {
    const auto toggledPanel = std::ranges::find(m_panels, action, &TPanel::action);
    m_session.showPanel(toggledPanel->lessonPanel, shown);
    for (const TPanel& entry : m_panels) {
        const bool open = m_session.panel() == entry.lessonPanel;
        if (entry.action == action) {
            entry.panel->setVisible(open);
            if (open) entry.panel->raise();
        } else if (entry.action->isChecked() != open) {
            entry.action->setChecked(open);  // its own tool hides what belongs to it
        }
    }
    arrange();
    // On a screen too narrow even for the smallest disk and the panel, the content scrolls
    // sideways until the panel is in view, once the window has taken its new size.
    if (shown) {
        QTimer::singleShot(0, this, [this, action] {
            for (const TPanel& entry : m_panels) {
                if (entry.action != action || entry.growth == 0 || !entry.panel->isVisible()) {
                    continue;
                }
                QScrollBar* sideways = m_zoom.horizontalScrollBar();
                const int right = entry.panel->geometry().right() + 1;
                sideways->setValue(std::max(sideways->value(), right - m_zoom.viewport()->width()));
            }
        });
    }
}

void TSidePanels::arrange() {
    const auto open = std::ranges::find_if(m_panels, [this](const TPanel& entry) {
        return entry.growth > 0 && m_session.panel() == entry.lessonPanel;
    });
    const int growth = open != m_panels.end() ? open->growth : 0;
    // What the panel needs beyond the screen comes off the disk, down to its smallest size.
    const int shrink = growth == 0
                           ? 0
                           : std::clamp(m_designedWithoutPanel.width() + growth - roomOnScreen(), 0,
                                        m_diskPlace.width() - kSmallestDisk);
    m_zoom.place(&m_disk, QRect(m_diskPlace.topLeft(),
                                m_diskPlace.size().shrunkBy(QMargins(0, 0, shrink, shrink))));
    if (open != m_panels.end()) m_zoom.place(open->panel, open->designed.translated(-shrink, 0));
    m_zoom.setDesignedSize(m_designedWithoutPanel + QSize(growth - shrink, 0));
}

int TSidePanels::roomOnScreen() const {
    return static_cast<int>(
        std::floor(TWindowZoom::clientRoom(*m_zoom.window()).width() / m_zoom.zoom()));
}
