// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ferrite_window_opener.h"

#include <QFileDialog>
#include <QWidget>

#include "platform/display_settings.h"
#include "platform/platform.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/stored_inputs.h"

namespace torvex::gui {

FerriteWindowOpener::FerriteWindowOpener(WindowContext& context, QStringList moduleFolders, HelpCall help,
                                         PageState ftPageInFront)
    : m_context(context), m_loader(std::move(moduleFolders)), m_help(std::move(help)),
      m_ftPage(std::move(ftPageInFront)), m_chooser([](QWidget* parent, const QString& title, const QString& filter) {
          return QFileDialog::getOpenFileName(parent, title, QString(), filter);
      }) {}

// The window goes first: it still talks to this host while it is destroyed.
FerriteWindowOpener::~FerriteWindowOpener() { m_window.reset(); }

QWidget* FerriteWindowOpener::open() {
    if (!m_window) {
        QString error;
        m_window = m_loader.createWindow(*this, error);
        if (!m_window) {
            m_context.errors().showError(error);
            return nullptr;
        }
        m_restoring = true;
        RestorePlace(*m_window, m_stored);
        if (RestoreInputs(*m_window, decimalSeparator(), m_stored))
            QMetaObject::invokeMethod(m_window.get(), "recompute");
        m_restoring = false;
    }
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window.get();
}

Language FerriteWindowOpener::language() const { return m_context.settings().language(); }

UnitSystem FerriteWindowOpener::units() const { return m_context.settings().units(); }

QString FerriteWindowOpener::decimalSeparator() const { return m_context.settings().decimalSeparator(); }

void FerriteWindowOpener::followSettings(QObject* receiver, std::function<void(Change)> follow) {
    QObject::connect(&m_context.settings(), &DisplaySettings::changed, receiver,
                     [follow = std::move(follow)](DisplaySettings::Change what) {
                         switch (what) {
                         case DisplaySettings::Change::Language:
                             follow(Change::Language);
                             break;
                         case DisplaySettings::Change::Units:
                             follow(Change::Units);
                             break;
                         case DisplaySettings::Change::DecimalSeparator:
                             follow(Change::DecimalSeparator);
                             break;
                         }
                     });
}

namespace {
const QString kMaterials = QStringLiteral("materials");
} // namespace

void FerriteWindowOpener::restoreState(const StoredValues& values) {
    m_stored = values;
    m_kept = values.texts(kMaterials).value_or(QStringList());
}

void FerriteWindowOpener::storeState(StoredValues& values) const {
    values.set(kMaterials, m_kept);
    if (m_window) {
        StoreInputs(*m_window, decimalSeparator(), values);
        StorePlace(*m_window, values);
    }
}

void FerriteWindowOpener::showError(const QString& message) {
    if (!m_restoring)
        m_context.errors().showError(message);
}

void FerriteWindowOpener::showHelp(int context) {
    if (m_help)
        m_help(context);
}

QObject* FerriteWindowOpener::keyFilter() { return &m_context.keyFilter(); }

std::optional<FtPageState> FerriteWindowOpener::ftPageInFront() const { return m_ftPage ? m_ftPage() : std::nullopt; }

QString FerriteWindowOpener::chooseMaterialFile(QWidget* parent, const QString& title, const QString& filter) {
    return m_chooser(parent, title, filter);
}

} // namespace torvex::gui
