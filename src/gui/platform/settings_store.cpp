// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settings_store.h"

#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace torvex::gui {

namespace {
const QString kFileName = QStringLiteral("torvex.conf");
} // namespace

void StoredValues::merge(const StoredValues& newer) {
    for (auto it = newer.m_values.begin(); it != newer.m_values.end(); ++it)
        m_values.insert(it.key(), it.value());
}

std::optional<QString> StoredValues::text(const QString& key) const {
    const QVariant value = m_values.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QStringList> StoredValues::texts(const QString& key) const {
    const QVariant value = m_values.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    if (value.typeId() == QMetaType::QString)
        return QStringList{value.toString()};
    return std::nullopt;
}

std::optional<int> StoredValues::number(const QString& key, int low, int high) const {
    const std::optional<QString> stored = text(key);
    bool ok = false;
    const int value = stored ? stored->toInt(&ok) : 0;
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<QString> StoredValues::decimal(const QString& key) const {
    static const QRegularExpression kNumber(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    std::optional<QString> stored = text(key);
    if (stored && !stored->isEmpty() && !kNumber.match(*stored).hasMatch())
        return std::nullopt;
    return stored;
}

std::optional<bool> StoredValues::flag(const QString& key) const {
    const std::optional<QString> stored = text(key);
    if (stored == QLatin1String("true"))
        return true;
    if (stored == QLatin1String("false"))
        return false;
    return std::nullopt;
}

SettingsStore::SettingsStore(const QString& folder, bool forget) {
    if (folder.isEmpty())
        return;
    m_file = folder + QLatin1Char('/') + kFileName;
    if (forget)
        return;
    // QSettings reads what it can of a damaged file and skips the rest.
    const QSettings file(m_file, QSettings::IniFormat);
    for (const QString& key : file.allKeys()) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        const QString name = slash < 0 ? key : key.mid(slash + 1);
        if (!name.isEmpty()) // "=value" in a hand-edited file
            m_groups[slash < 0 ? QString() : key.left(slash)].set(name, file.value(key));
    }
}

QString SettingsStore::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/torvex");
}

void SettingsStore::store(const QString& name, const StoredValues& values) { m_groups[name].merge(values); }

bool SettingsStore::write() const {
    if (m_file.isEmpty())
        return true;
    QSettings file(m_file, QSettings::IniFormat);
    // Written whole, so that what could not be read does not linger.
    file.clear();
    for (auto group = m_groups.begin(); group != m_groups.end(); ++group) {
        const QString prefix = group.key().isEmpty() ? QString() : group.key() + QLatin1Char('/');
        const QVariantMap& values = group.value().all();
        for (auto it = values.begin(); it != values.end(); ++it)
            file.setValue(prefix + it.key(), it.value());
    }
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace torvex::gui
