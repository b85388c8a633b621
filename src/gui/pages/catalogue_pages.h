#pragma once

#include "pages/catalogue_layout.h"
#include "pages/page.h"

namespace torvex::gui {

// TabSheet1: AMIDON iron-powder T cores.
class IronPowderPage : public CataloguePage {
    Q_OBJECT
public:
    IronPowderPage(MainContext& context, QWidget* parent = nullptr);
    void ComboBox1Change();
    void recompute() override { ComboBox1Change(); }
    void applyUnits(bool usUnits) override;

private:
    CatalogueControls m_ui;
};

// TabSheet2: AMIDON ferrite FT cores.
class FerriteFtPage : public CataloguePage {
    Q_OBJECT
public:
    FerriteFtPage(MainContext& context, QWidget* parent = nullptr);
    void ComboBox5Change();
    void recompute() override { ComboBox5Change(); }
    void applyUnits(bool usUnits) override;

private:
    CatalogueControls m_ui;
};

// TabSheet3: EPCOS SIFERRIT R cores.
class SiferritPage : public CataloguePage {
    Q_OBJECT
public:
    SiferritPage(MainContext& context, QWidget* parent = nullptr);
    void ComboBox3Change();
    void recompute() override { ComboBox3Change(); }
    void applyUnits(bool usUnits) override;

private:
    CatalogueControls m_ui;
};

// TabSheet6: Ferroxcube ring cores.
class FerroxcubePage : public CataloguePage {
    Q_OBJECT
public:
    FerroxcubePage(MainContext& context, QWidget* parent = nullptr);
    void ComboBox16Change();
    void recompute() override { ComboBox16Change(); }
    void applyUnits(bool usUnits) override;

private:
    CatalogueControls m_ui;
};

} // namespace torvex::gui
