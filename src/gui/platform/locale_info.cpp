#include "platform/locale_info.h"

#include <QLocale>

#include "language_id.h"

namespace torvex::gui {

int UserDefaultLanguageId() { return torvex::UserLanguageId(); }

QString UserDecimalSeparator() { return QLocale::system().decimalPoint(); }

} // namespace torvex::gui
