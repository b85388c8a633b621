// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace torvex::gui {

namespace {

// A widget's colours are kept in these properties, so that they can be
// worked out again when the desktop's palette changes.
constexpr char kPaintProperty[] = "torvexPaint";
constexpr char kTextColourProperty[] = "torvexTextColour";
constexpr char kFollowerProperty[] = "torvexColoursFollowPalette";

// Text on the light role colours: black, and a grey for a disabled field
// that still reaches 3:1 on lime (3.7:1), yellow and white.
const QColor kDarkText{0, 0, 0};
const QColor kGreyedDarkText{110, 110, 110};
// Text on the dark green turns field (5.1:1), and greyed (3.5:1).
const QColor kLightText{255, 255, 255};
const QColor kGreyedLightText{212, 212, 212};

constexpr QPalette::ColorRole kBackgroundRoles[] = {QPalette::Window, QPalette::Base, QPalette::Button};
constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText};

// The one of two colours that stands further from black.
QColor Lighter(const QColor& a, const QColor& b) {
    return ContrastRatio(a, Qt::black) >= ContrastRatio(b, Qt::black) ? a : b;
}

QPalette Desktop() { return QApplication::palette(); }

void applyPaint(QWidget* w, Paint kind) {
    const PaintColours colours = ColoursOf(kind, Desktop());
    QPalette pal; // only the roles set here are the widget's own
    for (QPalette::ColorRole role : kBackgroundRoles)
        pal.setColor(role, colours.background);
    for (QPalette::ColorRole role : kTextRoles) {
        pal.setColor(role, colours.text);
        pal.setColor(QPalette::Disabled, role, colours.disabledText);
    }
    w->setPalette(pal);
}

void applyTextColour(QWidget* w, const QColor& c) {
    const QColor shade = TextShade(c, Desktop(), w->font().bold());
    QPalette pal;
    for (QPalette::ColorRole role : kTextRoles)
        pal.setColor(role, shade);
    w->setPalette(pal);
}

// Works every kept colour out again when the desktop's palette changes (a
// desktop switching to its dark theme while the program runs).
class PaletteFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp) {
            for (QWidget* w : QApplication::allWidgets()) {
                if (const QVariant kind = w->property(kPaintProperty); kind.isValid())
                    applyPaint(w, Paint(kind.toInt()));
                else if (const QVariant text = w->property(kTextColourProperty); text.isValid())
                    applyTextColour(w, text.value<QColor>());
            }
        }
        return false;
    }
};

// One follower serves every window, also those of a module with its own copy
// of this code.
void followPalette() {
    if (!qApp || qApp->property(kFollowerProperty).toBool())
        return;
    qApp->setProperty(kFollowerProperty, true);
    qApp->installEventFilter(new PaletteFollower(qApp));
}

void forget(QWidget* w) {
    w->setProperty(kPaintProperty, QVariant());
    w->setProperty(kTextColourProperty, QVariant());
}

} // namespace

QColor TextShade(const QColor& text, const QPalette& desktop, bool bold) {
    if (!IsDark(desktop))
        return text;
    // A page stands on the tab pane, which styles draw from the button
    // colour, a little lighter: the text must read on the lighter of the two.
    const QColor window = desktop.color(QPalette::Window);
    const QColor pane = desktop.color(QPalette::Button).lighter(130);
    return ShadeReaching(text, Lighter(window, pane), bold ? kBoldTextContrast : kTextContrast);
}

PaintColours ColoursOf(Paint paint, const QPalette& desktop) {
    const QColor tooltip = desktop.color(QPalette::Active, QPalette::ToolTipBase);
    const bool dark = IsDark(desktop);
    switch (paint) {
    case Paint::List:
        return {kListYellow, kDarkText, kGreyedDarkText};
    case Paint::Entry:
        return {kEntryLime, kDarkText, kGreyedDarkText};
    case Paint::Turns:
        return {kTurnsGreen, kLightText, kGreyedLightText};
    case Paint::Result:
        return {kResultWhite, kDarkText, kGreyedDarkText};
    case Paint::Tooltip: {
        const QColor text = desktop.color(QPalette::Active, QPalette::ToolTipText);
        const QColor shown = dark ? ShadeReaching(text, tooltip, kTextContrast) : text;
        return {tooltip, shown, shown};
    }
    case Paint::Message: {
        const QColor shown = dark ? ShadeReaching(kMessageRed, tooltip, kTextContrast) : kMessageRed;
        return {tooltip, shown, shown};
    }
    case Paint::OrderingCode:
        return {kCodeBlue, kLightText, kLightText};
    case Paint::FrequencyRange:
        return {kRangeGrey, kLightText, kLightText};
    }
    return {};
}

QColor tooltipBackground() { return QApplication::palette().color(QPalette::ToolTipBase); }

void paint(QWidget* w, Paint kind) {
    forget(w);
    w->setProperty(kPaintProperty, int(kind));
    applyPaint(w, kind);
    w->setAutoFillBackground(true);
    followPalette();
}

void setTextColour(QWidget* w, const QColor& c) {
    forget(w);
    w->setProperty(kTextColourProperty, c);
    applyTextColour(w, c);
    followPalette();
}

void setBackground(QWidget* w, const QColor& c) {
    forget(w);
    QPalette pal;
    for (QPalette::ColorRole role : kBackgroundRoles)
        pal.setColor(role, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void clearBackground(QWidget* w) {
    forget(w);
    w->setPalette(QPalette());
    w->setAutoFillBackground(false);
}

} // namespace torvex::gui
