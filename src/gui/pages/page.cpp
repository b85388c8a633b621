#include "pages/page.h"

#include "platform/display_settings.h"

namespace torvex::gui {

Page::Page(PageContext& context, const char* objectName, int tag, int helpContext, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QLatin1String(objectName));
    setProperty("tag", tag);
    setProperty("helpContext", helpContext);
}

void Page::apply(const torvex::Outcome& outcome) {
    if (!m_writer)
        m_writer = std::make_unique<OutputWriter>(this, &m_context.errors());
    m_writer->apply(outcome);
}

torvex::Environment Page::environment() const { return m_context.settings().environment(); }

Language Page::language() const { return m_context.settings().language(); }

bool Page::usUnits() const { return m_context.settings().usUnits(); }

} // namespace torvex::gui
