// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "ferrite/ferrite_impedance.h"
#include "ferrite/material_list.h"
#include "modules/ferrite_window_module.h"
#include "widgets/report_source.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace torvex::gui {

class ImpedancePlot;

// The ferrite impedance window: a winding on FT rings of a material with
// measured complex permeability, its impedance at a working frequency and
// over the material's range, its self-resonance, and the least turns for a
// choke over a band. Every input recomputes at once through the engine's
// FerriteImpedance; the window only shows what that returns.
class FerriteImpedanceWindow : public QWidget, public ReportSource {
    Q_OBJECT
    Q_INTERFACES(torvex::gui::ReportSource)
public:
    explicit FerriteImpedanceWindow(FerriteWindowHost& host);

    // The core, the winding, the working point with its results and the
    // choke design, as shown.
    report::Report report() const override;

    // Invokable: the program knows the window only as a widget, and
    // recomputes it after putting back the inputs of the last run.
    Q_INVOKABLE void recompute();
    // Asks the host for a file, reads it as a material table and adds it to
    // the list, or reports why it cannot be read; nothing changes then.
    void importMaterial();

protected:
    // Opening the window while the ferrite page is in front takes over the
    // page's core, material, turns and frequency.
    void showEvent(QShowEvent* event) override;

private:
    void loadKeptMaterials();
    void createControls();
    void layOut();
    void showDefaults();
    void connectInputs();
    void followSettings(FerriteWindowHost::Change what);
    void applyLanguage(Language language);
    // The texts of every control but the plot's.
    void applyControlTexts(Language language);
    void takeOver(const FtPageState& page);
    void keepImported();
    void showDataMessage(const std::string& message);
    torvex::Settings settings() const;
    FerriteImpedanceInput input() const;

    FerriteWindowHost& m_host;
    std::string m_separator; // what settings() points into
    MaterialList m_materials;

    QGroupBox* m_coreGroup = nullptr;
    QGroupBox* m_windingGroup = nullptr;
    QGroupBox* m_workingGroup = nullptr;
    QGroupBox* m_chokeGroup = nullptr;
    QComboBox* m_sizeList = nullptr;
    QComboBox* m_materialList = nullptr;
    QSpinBox* m_stack = nullptr;
    QLabel* m_dimensions = nullptr;
    QLineEdit* m_turns = nullptr;
    QLineEdit* m_capacitance = nullptr;
    QLineEdit* m_frequency = nullptr;
    QComboBox* m_frequencyUnit = nullptr;
    QLineEdit* m_bandFrom = nullptr;
    QLineEdit* m_bandTo = nullptr;
    QLineEdit* m_target = nullptr;
    QPushButton* m_import = nullptr;
    QLabel* m_dataMessage = nullptr;
    QLabel* m_source = nullptr;
    ImpedancePlot* m_plot = nullptr;
    // The result labels, in the order of the binding table.
    std::array<QLabel*, 9> m_results{};
};

} // namespace torvex::gui
