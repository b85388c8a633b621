// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's entry: Qt finds this object by the plugin metadata and the
// program asks it for the window through FerriteWindowModule.

#include <QObject>

#include "modules/ferrite_window/ferrite_impedance_window.h"
#include "modules/ferrite_window_module.h"

namespace torvex::gui {

class FerriteWindowPlugin : public QObject, public FerriteWindowModule {
    Q_OBJECT
    // The metadata carries the program's version; the program refuses a
    // module of another version before loading it.
    Q_PLUGIN_METADATA(IID TORVEX_FERRITE_MODULE_IID FILE "ferrite_window.json")
    Q_INTERFACES(torvex::gui::FerriteWindowModule)
public:
    QWidget* createWindow(FerriteWindowHost& host) override { return new FerriteImpedanceWindow(host); }
};

} // namespace torvex::gui

#include "ferrite_window_plugin.moc"
