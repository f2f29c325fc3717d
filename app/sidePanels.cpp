// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sidePanels.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/platform/zoomArea.h"

namespace {

// The gap between the panel and the content's right edge.
constexpr int kMargin = 12;

}  // namespace

TSidePanels::TSidePanels(TZoomArea& zoom, TLessonSession& session)
    : QObject(&zoom),
      m_zoom(zoom),
      m_session(session),
      m_designedWithoutPanel(zoom.designedSize()) {}

void TSidePanels::add(TLessonPanel lessonPanel, QAction* action, QWidget* panel, int width) {
    m_zoom.place(panel, {kLeft, kTop, width, kHeight});
    panel->hide();
    m_panels.push_back({lessonPanel, action, panel, width + kMargin});
    connect(action, &QAction::toggled, this,
            [this, action](bool shown) { toggled(action, shown); });
}

void TSidePanels::addOver(TLessonPanel lessonPanel, QAction* action, QWidget* panel,
                          const QRect& designed) {
    m_zoom.place(panel, designed);
    panel->hide();
    panel->setAutoFillBackground(true);  // the controls underneath stay out of sight
    m_panels.push_back({lessonPanel, action, panel, 0});
    connect(action, &QAction::toggled, this,
            [this, action](bool shown) { toggled(action, shown); });
}

void TSidePanels::toggled(QAction* action, bool shown) {
    const auto toggledPanel = std::ranges::find(m_panels, action, &TPanel::action);
    m_session.showPanel(toggledPanel->lessonPanel, shown);
    int growth = 0;
    for (const TPanel& entry : m_panels) {
        const bool open = m_session.panel() == entry.lessonPanel;
        if (entry.action == action) {
            entry.panel->setVisible(open);
            if (open) {
                entry.panel->raise();
                growth = entry.growth;
            }
        } else if (entry.action->isChecked() != open) {
            entry.action->setChecked(open);  // its own tool hides what belongs to it
        }
    }
    m_zoom.setDesignedSize(m_designedWithoutPanel + QSize(growth, 0));
    // On a screen too narrow for disk and panel, the content scrolls sideways until the panel
    // is in view, once the window has taken its new size.
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
