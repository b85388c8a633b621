#pragma once

#include "pages/catalogue_page.h"

namespace torvex::gui {

// The page of AMIDON ferrite FT cores.
class FerriteFtPage : public CataloguePage {
    Q_OBJECT
public:
    explicit FerriteFtPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;

private:
    // The material's frequency ranges: resonant circuits, wide band, chokes.
    QLabel* m_resonantRange = nullptr;
    QLabel* m_wideBandRange = nullptr;
    QLabel* m_chokeRange = nullptr;
};

} // namespace torvex::gui
