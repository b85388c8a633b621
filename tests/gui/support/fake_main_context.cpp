#include "support/fake_main_context.h"

#include "format/wire_gauge.h"

namespace torvex::test {

FakeMainContext::FakeMainContext(const QString& separator, bool usUnits, bool english)
    : m_keyFilter(std::make_unique<gui::DecimalKeyFilter>([this] { return m_state.decimalSeparator; })) {
    setSeparator(separator);
    m_state.usUnits = usUnits;
    m_state.usLocale = usUnits;
    m_state.languageOffset = english ? 1000 : 0;
    m_state.languageCode = english ? QStringLiteral("09") : QStringLiteral("07");
    for (std::string_view name : AwgNames)
        m_state.awgNames << QString::fromLatin1(name.data(), qsizetype(name.size()));
}

void FakeMainContext::setSeparator(const QString& separator) {
    m_state.decimalSeparator = separator;
    m_state.decimalSeparatorUtf8 = separator.toStdString();
}

} // namespace torvex::test
