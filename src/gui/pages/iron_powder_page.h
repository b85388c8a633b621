#pragma once

#include "pages/catalogue_page.h"

namespace torvex::gui {

// The page of AMIDON iron-powder T cores.
class IronPowderPage : public CataloguePage {
    Q_OBJECT
public:
    explicit IronPowderPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;
};

} // namespace torvex::gui
