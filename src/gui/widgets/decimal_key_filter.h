// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace torvex::gui {

// Maps a typed "." or "," to the locale's decimal separator: with separator
// "," a "." becomes ","; with "." a "," becomes ".". Every other character,
// and every other separator, passes unchanged. Nothing is rejected.
QChar FilterDecimalKey(QChar typed, const QString& decimalSeparator);

// The key-press hook of numeric fields (line edits and editable combo boxes).
// Only typed characters are filtered; pasted text is not.
class DecimalKeyFilter : public QObject {
    Q_OBJECT
public:
    // `separator` is asked on every key, since the program reads the locale's
    // separator only at the end of its start-up.
    explicit DecimalKeyFilter(std::function<QString()> separator, QObject* parent = nullptr);
    void attach(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QString()> m_separator;
};

} // namespace torvex::gui
