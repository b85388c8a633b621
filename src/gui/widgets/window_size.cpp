// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/window_size.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace torvex::gui {

namespace {

// Follows the window's layout requests and widens its fixed size to what the
// contents need now.
class LargestSize : public QObject {
public:
    explicit LargestSize(QWidget* window) : QObject(window), m_window(window) {}

    void grow() {
        const QSize wanted = m_window->minimumSize().expandedTo(m_window->sizeHint());
        if (wanted != m_window->minimumSize() || wanted != m_window->maximumSize())
            m_window->setFixedSize(wanted);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::LayoutRequest)
            grow();
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void KeepLargestSize(QWidget* window, const QList<std::function<void()>>& states) {
    // The layout no longer sets the window's size; this does.
    if (QLayout* layout = window->layout())
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    auto* keeper = new LargestSize(window);
    window->setFixedSize(window->sizeHint());
    for (const auto& show : states) {
        show();
        // A hidden window does not lay itself out again; its layouts keep the
        // sizes they had until every control and layout is asked afresh.
        for (QWidget* child : window->findChildren<QWidget*>())
            child->updateGeometry();
        for (QLayout* layout : window->findChildren<QLayout*>())
            layout->invalidate();
        keeper->grow();
    }
    window->installEventFilter(keeper);
}

} // namespace torvex::gui
