#pragma once

#include "pages/catalogue_page.h"

namespace torvex::gui {

// The page of AMIDON ferrite FT cores.
class FerriteFtPage : public CataloguePage {
    Q_OBJECT
public:
    explicit FerriteFtPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;
};

} // namespace torvex::gui
