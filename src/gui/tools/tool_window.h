#pragma once

#include <QWidget>
#include <memory>

#include "calc/writes.h"
#include "main_context.h"
#include "widgets/output_writer.h"

namespace torvex::gui {

// A secondary window: created hidden, shown non-modally, only hidden when
// closed; fixed size; single border with system menu and minimise button.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // objectName "TForm2"...; tag selects the caption; helpContext for F1.
    ToolWindow(MainContext& context, const char* objectName, int tag, int helpContext);

    // Shows the window, or brings it to the front with its inputs unchanged.
    void showAndRaise();

protected:
    // Ends a constructor: registers the window, fixes its size to its layout
    // and re-applies the start language.
    void finishCreation();
    void apply(const torvex::Outcome& outcome);
    torvex::Environment environment() const { return m_context.state().environment(); }
    MainContext& m_context;

private:
    std::unique_ptr<OutputWriter> m_writer;
};

} // namespace torvex::gui
