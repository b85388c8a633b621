#pragma once

#include <QString>

namespace torvex::gui {

// The Windows-style language identifier of the user's language (1031 German,
// 1033 US English, ...); see torvex::UserLanguageId.
int UserDefaultLanguageId();

// The decimal separator of the user's numeric locale (LC_NUMERIC rules).
QString UserDecimalSeparator();

} // namespace torvex::gui
