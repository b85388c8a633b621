#pragma once

#include <QList>
#include <QWidget>

namespace torvex::gui {

// Sets every text of the given windows (in the given order) and of their
// components from the text table, by each component's tag and kind:
// caption tag + offset, hint tag + 500 + offset. Tag 0 means fixed texts.
// Empty texts are assigned too: a tagged label without a hint loses it.
void ApplyLanguage(const QList<QWidget*>& windows, int offset);

} // namespace torvex::gui
