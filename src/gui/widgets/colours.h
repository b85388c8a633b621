#pragma once

#include <QColor>

class QWidget;

namespace torvex::gui {

// The colours that mark the roles of fields.
inline const QColor kListYellow{255, 255, 0};    // selection lists that must hold a choice
inline const QColor kEntryLime{0, 255, 0};       // entry fields
inline const QColor kTurnsGreen{0, 128, 0};      // turns field of the second calculation
inline const QColor kResultWhite{255, 255, 255}; // result fields
inline const QColor kMessageRed{255, 0, 0};
inline const QColor kFooterBlue{0, 0, 255};
inline const QColor kCodeBlue{0, 0, 255};
inline const QColor kRangeGrey{128, 128, 128};

// The platform's tooltip background, used behind messages and the tool bar.
QColor tooltipBackground();

// Paints the widget's background (labels, edits, lists).
void setBackground(QWidget* w, const QColor& c);
// Back to the window's own face colour.
void clearBackground(QWidget* w);
void setTextColour(QWidget* w, const QColor& c);

} // namespace torvex::gui
