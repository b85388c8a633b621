#pragma once

#include <QWidget>
#include <optional>

#include "format/calc_error.h"
#include "pages/page_context.h"
#include "settings.h"
#include "widgets/report_source.h"

namespace torvex::gui {

// A page of the main window's page control. It builds its controls, binds
// each input's change to its recompute, shows a recompute's result through
// its binding table and reports the failure, if any, once. Its results can
// be copied, saved and printed (ReportSource).
class Page : public QWidget, public ReportSource {
    Q_OBJECT
    Q_INTERFACES(torvex::gui::ReportSource)
public:
    // objectName "TabSheet1"...; tag selects its caption; helpContext for F1.
    Page(PageContext& context, const char* objectName, int tag, int helpContext, QWidget* parent = nullptr);

protected:
    void reportFailure(const std::optional<CalcError>& error);
    torvex::Settings engineSettings() const;
    Language language() const;
    bool usUnits() const;
    PageContext& m_context;
};

} // namespace torvex::gui
