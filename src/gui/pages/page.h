#pragma once

#include <QWidget>
#include <optional>

#include "format/calc_error.h"
#include "pages/page_context.h"
#include "settings.h"

namespace torvex::gui {

// A page of the main window's page control. It builds its controls, binds
// each input's change to its recompute, shows a recompute's result through
// its binding table and reports the failure, if any, once.
class Page : public QWidget {
    Q_OBJECT
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
