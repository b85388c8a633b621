#pragma once

#include <QWidget>
#include <memory>

#include "calc/writes.h"
#include "pages/page_context.h"
#include "widgets/output_writer.h"

namespace torvex::gui {

// A page of the main window's page control. It builds its controls, binds
// each input's change to its recompute, and writes a recompute's outcome
// through an OutputWriter (which also reports its error).
class Page : public QWidget {
    Q_OBJECT
public:
    // objectName "TabSheet1"...; tag selects its caption; helpContext for F1.
    Page(PageContext& context, const char* objectName, int tag, int helpContext, QWidget* parent = nullptr);

protected:
    void apply(const torvex::Outcome& outcome);
    torvex::Environment environment() const;
    Language language() const;
    bool usUnits() const;
    PageContext& m_context;

private:
    std::unique_ptr<OutputWriter> m_writer;
};

} // namespace torvex::gui
