// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ferrite/ft_take_over.h"
#include "pages/catalogue_page.h"

namespace torvex::gui {

// The page of AMIDON ferrite FT cores.
class FerriteFtPage : public CataloguePage {
    Q_OBJECT
public:
    explicit FerriteFtPage(PageContext& context, QWidget* parent = nullptr);
    void recompute() override;

    // What the ferrite impedance window takes over when it is opened from
    // this page: the lists, the typed turns, the turns for the wanted
    // inductance and the working frequency.
    torvex::FtPageState takeOverState() const;

protected:
    std::vector<ReportRow> coreReportRows() const override;

private:
    // The material's frequency ranges: resonant circuits, wide band, chokes.
    QLabel* m_resonantRange = nullptr;
    QLabel* m_wideBandRange = nullptr;
    QLabel* m_chokeRange = nullptr;
};

} // namespace torvex::gui
