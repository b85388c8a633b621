#include "widgets/colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace torvex::gui {

QColor tooltipBackground() { return QApplication::palette().color(QPalette::ToolTipBase); }

void setBackground(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    // Labels paint the Window role; edits and lists paint Base or Button.
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setProperty("buttonFace", false);
}

void clearBackground(QWidget* w) {
    QPalette pal = w->palette();
    const QPalette app = QApplication::palette();
    pal.setColor(QPalette::Window, app.color(QPalette::Window));
    pal.setColor(QPalette::Base, app.color(QPalette::Base));
    pal.setColor(QPalette::Button, app.color(QPalette::Button));
    w->setPalette(pal);
    w->setAutoFillBackground(false);
    w->setProperty("buttonFace", true);
}

void setTextColour(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

} // namespace torvex::gui
