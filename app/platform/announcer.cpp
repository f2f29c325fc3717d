// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/announcer.h"

#include <QApplication>
#include <QWidget>

TAnnouncer::TAnnouncer(QWidget& window) : QObject(&window), m_window(window) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old != nullptr && old == m_control) withdraw();
    });
}

void TAnnouncer::announce(const QString& text) {
    withdraw();
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || !m_window.isAncestorOf(focused)) return;
    m_control = focused;
    m_ownDescription = focused->accessibleDescription();
    m_text = text;
    focused->setAccessibleDescription(text);
}

void TAnnouncer::withdraw() {
    // A control that has set a description of its own since then keeps it.
    if (m_control && m_control->accessibleDescription() == m_text) {
        m_control->setAccessibleDescription(m_ownDescription);
    }
    m_control = nullptr;
}
