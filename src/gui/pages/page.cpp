#include "pages/page.h"

#include "widgets/make.h"

namespace torvex::gui {

Page::Page(MainContext& context, const char* objectName, int tag, int helpContext, QWidget* parent)
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

} // namespace torvex::gui
