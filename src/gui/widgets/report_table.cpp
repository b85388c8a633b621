// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/report_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "widgets/builders.h"

namespace torvex::gui {

namespace {

// The colours of the catalogues' colour codes and the texts naming them.
struct ColourName {
    QRgb rgb;
    int text;
};
// clang-format off
constexpr ColourName kColourNames[] = {
    {qRgb(128, 0, 0), 2020},     {qRgb(0, 0, 255), 2021},   {qRgb(255, 0, 0), 2022},
    {qRgb(128, 128, 128), 2023}, {qRgb(255, 255, 0), 2024}, {qRgb(255, 255, 255), 2025},
    {qRgb(0, 0, 0), 2026},       {qRgb(0, 128, 0), 2027},   {qRgb(0, 255, 0), 2028},
};
// clang-format on

std::string Std(const QString& text) { return text.toStdString(); }

// A caption as a value's heading: no mnemonic, no "=" or ":" after it.
QString CaptionText(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char('=')) || text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

} // namespace

QString ControlText(const QWidget& control, Language language) {
    if (control.property("reportColour").toBool()) {
        if (!control.autoFillBackground())
            return {};
        const QRgb rgb = control.palette().color(QPalette::Window).rgb();
        for (const ColourName& colour : kColourNames)
            if (colour.rgb == rgb)
                return TableText(colour.text, language);
        return control.palette().color(QPalette::Window).name();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* field = qobject_cast<const QLineEdit*>(&control))
        return field->text();
    if (const auto* list = qobject_cast<const QComboBox*>(&control))
        return list->currentText();
    if (const auto* option = qobject_cast<const QRadioButton*>(&control))
        return option->isChecked() ? QString(option->text()).remove(QLatin1Char('&')) : QString();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&control))
        return spin->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&control))
        return box->title();
    return {};
}

report::Report MakeReport(const QWidget& root, std::span<const ReportRow> table, Language language) {
    auto find = [&root](const char* name) -> const QWidget* {
        if (!name)
            return nullptr;
        if (root.objectName() == QLatin1String(name))
            return &root;
        return root.findChild<QWidget*>(QLatin1String(name));
    };
    // The texts of up to two controls, one after the other; `shown` tells
    // whether any of them is shown at all.
    auto joined = [&](const ReportNames& names, bool* shown = nullptr, QChar between = QChar()) {
        QString text;
        for (const char* name : names) {
            const QWidget* control = find(name);
            if (!control || !control->isVisibleTo(&root))
                continue;
            if (const auto* option = qobject_cast<const QRadioButton*>(control); option && !option->isChecked())
                continue;
            if (shown)
                *shown = true;
            if (!between.isNull() && !text.isEmpty())
                text += between;
            text += ControlText(*control, language);
        }
        return text.simplified();
    };

    report::Report report;
    for (const ReportRow& row : table) {
        if (row.section || row.box) {
            const QWidget* box = find(row.box);
            const QString title = row.section ? TableText(row.section, language)
                                  : box       ? ControlText(*box, language)
                                              : QString();
            report.sections.push_back({Std(CaptionText(title)), {}});
            continue;
        }
        bool shown = false;
        QString value = joined(row.value, &shown);
        if (!shown || (row.ifAny && value.isEmpty()))
            continue;
        QString caption = row.captionText    ? TableText(row.captionText, language)
                          : row.fixedCaption ? QString::fromUtf8(row.fixedCaption)
                                             : joined(row.caption, nullptr, QLatin1Char(' '));
        if (row.named) {
            const qsizetype colon = value.indexOf(QLatin1Char(':'));
            if (colon > 0) {
                caption = value.left(colon);
                value = value.mid(colon + 1).trimmed();
            }
        }
        if (report.sections.empty())
            report.sections.emplace_back();
        report.sections.back().lines.push_back({Std(CaptionText(caption)), Std(value), Std(joined(row.unit))});
    }
    // A section all of whose rows were left out has nothing to say.
    std::erase_if(report.sections, [](const report::Section& section) { return section.lines.empty(); });
    return report;
}

} // namespace torvex::gui
