#pragma once

#include <QWidget>
#include <optional>

#include "format/calc_error.h"
#include "pages/page_context.h"
#include "platform/settings_store.h"
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

    // The page's inputs between runs. Restoring recomputes the page when
    // anything was put back; it is done once the page shows the start's
    // units, which rebuild some of its inputs.
    void storeState(StoredValues& values) const;
    void restoreState(const StoredValues& values);

protected:
    // Every calculator of the page.
    virtual void recomputeAll() = 0;
    void reportFailure(const std::optional<CalcError>& error);
    torvex::Settings engineSettings() const;
    Language language() const;
    bool usUnits() const;
    PageContext& m_context;
};

} // namespace torvex::gui
