// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pages/catalogue_page.h"
#include "widgets/builders.h"

namespace torvex::gui {

// The page of Ferroxcube ring cores.
class FerroxcubePage : public CataloguePage {
    Q_OBJECT
public:
    explicit FerroxcubePage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;

protected:
    std::vector<ReportRow> coreReportRows() const override;

private:
    ColourCodeLabels m_colourCode;
};

} // namespace torvex::gui
