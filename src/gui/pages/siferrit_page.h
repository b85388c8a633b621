// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/siferrit_page.h"
#include "pages/catalogue_page.h"

namespace torvex::gui {

// The page of EPCOS SIFERRIT R cores.
class SiferritPage : public CataloguePage {
    Q_OBJECT
public:
    explicit SiferritPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;

protected:
    std::vector<ReportRow> coreReportRows() const override;

private:
    // The ordering code, or in a smaller font why there is none.
    void showOrdering(const SiferritOrdering& ordering);

    QLabel* m_orderingCode = nullptr;
    QLabel* m_application = nullptr;
    QLabel* m_frequencyRange = nullptr;
};

} // namespace torvex::gui
