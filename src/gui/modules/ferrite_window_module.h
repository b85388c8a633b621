// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The boundary between the program and the ferrite impedance window, which
// lives in a module of its own (it needs Qt Charts, which the rest of the
// program should not pay for at start). Both sides include this header; it
// holds nothing but pure interfaces and plain types, so that the module never
// depends on how the program is built inside, and the program never on the
// window's code.

#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <functional>
#include <optional>

#include "ferrite/ft_take_over.h"
#include "settings.h"

class QObject;
class QWidget;

namespace torvex::gui {

// What the window needs from the program. The program implements it; tests
// give a stand-in.
class FerriteWindowHost {
public:
    enum class Change { Language, Units, DecimalSeparator };

    virtual ~FerriteWindowHost() = default;

    // The display settings shown now.
    virtual Language language() const = 0;
    virtual UnitSystem units() const = 0;
    virtual QString decimalSeparator() const = 0;
    // Calls `follow` after every change of the settings, as long as
    // `receiver` lives.
    virtual void followSettings(QObject* receiver, std::function<void(Change)> follow) = 0;

    // Where a failure goes: a message box in the program, a recorder in tests.
    virtual void showError(const QString& message) = 0;
    // Opens the help at a context number in the language shown.
    virtual void showHelp(int context) = 0;
    // The key filter of numeric fields, installed as an event filter.
    virtual QObject* keyFilter() = 0;

    // The ferrite FT page's state while that page is in front of the main
    // window; nothing otherwise. Asked each time the window is opened.
    virtual std::optional<FtPageState> ftPageInFront() const = 0;

    // The file to import, chosen by the user; empty when cancelled.
    virtual QString chooseMaterialFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The imported material tables, each the text WriteMaterialTable gives,
    // kept between runs by the program.
    virtual QStringList keptMaterials() const = 0;
    virtual void keepMaterials(const QStringList& tables) = 0;
};

// What the module offers: the window, built on the host it is given. The
// window is a top-level widget, hidden, owned by the caller; the host must
// outlive it.
class FerriteWindowModule {
public:
    virtual ~FerriteWindowModule() = default;
    virtual QWidget* createWindow(FerriteWindowHost& host) = 0;
};

// The window's objectName and its help context (F1).
inline constexpr const char* kFerriteWindowName = "FerriteImpedanceWindow";
inline constexpr int kFerriteHelpContext = 54;

} // namespace torvex::gui

// Raised with every change of the interfaces above, so that a module built
// for another version is refused instead of called wrongly.
#define TORVEX_FERRITE_MODULE_IID "org.torvex.Torvex.FerriteWindowModule/1"
Q_DECLARE_INTERFACE(torvex::gui::FerriteWindowModule, TORVEX_FERRITE_MODULE_IID)
