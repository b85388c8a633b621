#pragma once

#include <QWidget>
#include <optional>

#include "format/calc_error.h"
#include "pages/page_context.h"
#include "settings.h"

namespace torvex::gui {

// What a page of the main window shows (it stands on its PageSheet). It
// builds its controls, binds each input's change to its recompute, shows a
// recompute's result through its binding table and reports the failure, if
// any, once.
class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(PageContext& context, QWidget* parent = nullptr);
    // The unit captions of the measurement system shown now, then every
    // calculator of the page recomputed in it: the unit command's step, and
    // how a page built after the start catches up.
    virtual void applyUnits() = 0;
    // A page built after the start: the texts and hints of the language
    // shown now, then applyUnits(), as the start's choices did for the pages
    // built with the window.
    void catchUp();

protected:
    void reportFailure(const std::optional<CalcError>& error);
    torvex::Settings engineSettings() const;
    Language language() const;
    bool usUnits() const;
    PageContext& m_context;
};

} // namespace torvex::gui
