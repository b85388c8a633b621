#pragma once

#include "pages/catalogue_page.h"

namespace torvex::gui {

// The page of EPCOS SIFERRIT R cores.
class SiferritPage : public CataloguePage {
    Q_OBJECT
public:
    explicit SiferritPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;
};

} // namespace torvex::gui
