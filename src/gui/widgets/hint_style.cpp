#include "widgets/hint_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

namespace torvex::gui {

HintStyle::HintStyle(QStyle* desktopStyle) : QProxyStyle(desktopStyle) {}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return kHintDelayMs;
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
}

} // namespace torvex::gui
