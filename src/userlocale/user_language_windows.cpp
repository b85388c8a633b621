#include <windows.h>

#include "language_id.h"

namespace torvex {

int UserLanguageId() { return static_cast<int>(GetUserDefaultLangID()); }

} // namespace torvex
