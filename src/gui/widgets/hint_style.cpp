// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/hint_style.h"

#include <QApplication>
#include <QEvent>
#include <QStyleFactory>
#include <QToolTip>

namespace torvex::gui {

namespace {

// Tooltips take the desktop's new colours when it changes its palette.
class HintPaletteFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp)
            QToolTip::setPalette(HintPalette(QApplication::palette()));
        return false;
    }
};

} // namespace

HintStyle::HintStyle(QStyle* desktopStyle) : QProxyStyle(desktopStyle) {}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return kHintDelayMs;
    // A list opens as a plain list, the only kind that keeps its count of
    // lines; as a menu some styles open it as high as the screen.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QPalette HintPalette(const QPalette& desktop) {
    const QColor background = desktop.color(QPalette::Active, QPalette::ToolTipBase);
    const QColor text = desktop.color(QPalette::Active, QPalette::ToolTipText);
    QPalette palette = desktop;
    // A tooltip window is never the active one; without this it would take
    // the inactive colours, which some desktops set apart from the colours
    // of the tool bar and the messages that share the tooltip background.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::ToolTipBase, background);
        palette.setColor(group, QPalette::ToolTipText, text);
    }
    return palette;
}

void InstallHintStyle() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<HintStyle*>(current))
        return;
    // A fresh instance of the style in use (never a style of our choosing),
    // so the desktop's look stays.
    QApplication::setStyle(new HintStyle(QStyleFactory::create(current->name())));
    QToolTip::setPalette(HintPalette(QApplication::palette()));
    qApp->installEventFilter(new HintPaletteFollower(qApp));
}

} // namespace torvex::gui
