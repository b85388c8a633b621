#pragma once

#include <QWidget>
#include <memory>

#include "calc/writes.h"
#include "main_context.h"
#include "widgets/output_writer.h"

namespace torvex::gui {

// A page of the main window's page control. It builds its controls, binds
// each input's change to its recompute, and writes a recompute's outcome
// through an OutputWriter (which also reports its error).
class Page : public QWidget {
    Q_OBJECT
public:
    // objectName "TabSheet1"...; tag selects its caption; helpContext for F1.
    Page(MainContext& context, const char* objectName, int tag, int helpContext, QWidget* parent = nullptr);

protected:
    void apply(const torvex::Outcome& outcome);
    torvex::Environment environment() const { return m_context.state().environment(); }
    MainContext& m_context;

private:
    std::unique_ptr<OutputWriter> m_writer;
};

// The four catalogue pages share this shape: one recompute, and a unit switch
// that sets their unit labels and then recomputes.
class CataloguePage : public Page {
    Q_OBJECT
public:
    using Page::Page;
    virtual void recompute() = 0;
    virtual void applyUnits(bool usUnits) = 0;
};

} // namespace torvex::gui
