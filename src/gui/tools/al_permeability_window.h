#pragma once

#include "tools/tool_window.h"

namespace torvex::gui {

// AL and µi from a test winding and the core's dimensions.
class TForm3 : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm3(MainContext& context);
    void Edit1Change();
};

} // namespace torvex::gui
