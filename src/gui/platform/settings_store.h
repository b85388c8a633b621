// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace torvex::gui {

// The values one window or page keeps between runs, by key. What comes from
// the file is read leniently: the user may have edited it, or a later version
// written it, so every reader gives nothing for a value it cannot use.
class StoredValues {
public:
    bool isEmpty() const { return m_values.isEmpty(); }
    const QVariantMap& all() const { return m_values; }
    void set(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    // Keys of `newer` replace these; keys only here stay.
    void merge(const StoredValues& newer);

    // A text, when one was stored under the key (a hand-written "a,b" reads
    // as a list, not a text).
    std::optional<QString> text(const QString& key) const;
    // Texts, one or many.
    std::optional<QStringList> texts(const QString& key) const;
    // A whole number from low to high.
    std::optional<int> number(const QString& key, int low, int high) const;
    // A number as a field holds it, with "." as decimal mark, or an empty
    // text (an empty field reads as 0).
    std::optional<QString> decimal(const QString& key) const;
    std::optional<bool> flag(const QString& key) const;

private:
    QVariantMap m_values;
};

// The program's settings file, torvex.conf in the user's configuration
// folder. It is read once at start and written once, when the main window
// closes; in between every window asks it for its group and hands its group
// back. Groups nobody handed back (a window never built in this run, keys of
// a later version) are written as they were read.
class SettingsStore {
public:
    // An empty folder keeps everything in memory and writes nothing.
    // `forget` starts from nothing stored, and the file written then holds
    // only what this run stores.
    explicit SettingsStore(const QString& folder, bool forget = false);

    // $XDG_CONFIG_HOME/torvex, or the platform's like of it.
    static QString userFolder();
    QString fileName() const { return m_file; }

    // The group of a window or page, by its object name; "" holds the
    // program's own choices.
    StoredValues group(const QString& name) const { return m_groups.value(name); }
    void store(const QString& name, const StoredValues& values);
    // False when the file could not be written; nobody is told, as a
    // settings file is not worth a message at close.
    bool write() const;

private:
    QString m_file;
    QMap<QString, StoredValues> m_groups;
};

} // namespace torvex::gui
