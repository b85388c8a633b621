// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pages/catalogue_page.h"
#include "widgets/builders.h"

namespace torvex::gui {

// The page of AMIDON iron-powder T cores.
class IronPowderPage : public CataloguePage {
    Q_OBJECT
public:
    explicit IronPowderPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;

protected:
    std::vector<ReportRow> coreReportRows() const override;

private:
    ColourCodeLabels m_colourCode;
    QLabel* m_frequencyRange = nullptr;
};

} // namespace torvex::gui
