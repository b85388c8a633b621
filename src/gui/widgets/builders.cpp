// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/builders.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "format/wire_gauge.h"
#include "text/text_table.h"
#include "widgets/hints.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

// Room for the frame and the margins of an entry field beside its text.
constexpr int kEntryPadding = 12;

void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

} // namespace

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString TableText(int id, Language language) { return Utf8(LoadText(id, language)); }

QStringList GaugeNames() {
    QStringList names;
    for (std::string_view name : AwgNames)
        names << QString::fromLatin1(name.data(), qsizetype(name.size()));
    return names;
}

QLabel* TaggedCaption(QWidget* parent, const char* name, int tag, Language language) {
    auto* label = make<QLabel>(parent, name, tag);
    label->setText(TableText(tag, language));
    return label;
}

QLabel* FixedCaption(QWidget* parent, const char* name, const QString& text) {
    auto* label = make<QLabel>(parent, name);
    label->setText(text);
    return label;
}

QGroupBox* TaggedGroup(QWidget* parent, const char* name, int tag, Language language) {
    auto* group = make<QGroupBox>(parent, name, tag);
    group->setTitle(TableText(tag, language));
    return group;
}

QLabel* ReserveWidth(QLabel* label, const QString& widest, int padding) {
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + padding);
    return label;
}

QLabel* GaugeMark(QWidget* parent, const char* name) {
    QLabel* mark = FixedCaption(parent, name, QStringLiteral("# "));
    keepPlaceWhenHidden(mark);
    mark->hide();
    return mark;
}

QLabel* NotAvailableMessage(QWidget* parent, const char* name, int tag, Language language, bool wordWrap) {
    QLabel* message = TaggedCaption(parent, name, tag, language);
    paint(message, Paint::Message);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(wordWrap);
    message->setMargin(2);
    setShowHint(message, false);
    keepPlaceWhenHidden(message);
    message->hide();
    return message;
}

ColourCodeLabels ColourPatch(QWidget* parent, const char* upper, const char* lower) {
    ColourCodeLabels patch;
    patch.frame = new QFrame(parent);
    auto* frame = static_cast<QFrame*>(patch.frame);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    auto* halves = new QVBoxLayout(frame);
    halves->setContentsMargins(1, 1, 1, 1);
    halves->setSpacing(0);
    for (auto [half, name] : {std::pair{&patch.upper, upper}, std::pair{&patch.lower, lower}}) {
        *half = make<QLabel>(frame, name);
        (*half)->setFixedSize(16, 8);
        // A report names the colour the field shows.
        (*half)->setProperty("reportColour", true);
        halves->addWidget(*half);
    }
    frame->setFixedSize(frame->sizeHint());
    return patch;
}

void ColourCodeLabels::show(const ColourCode& code) const {
    for (auto [half, paint] : {std::pair{upper, code.upper}, std::pair{lower, code.lower}}) {
        if (paint.painted())
            setBackground(half, QColor::fromRgb(QRgb(paint.rgb())));
        else
            clearBackground(half);
    }
}

void DrawPictures(QWidget* window) {
    for (QLabel* picture : window->findChildren<QLabel*>()) {
        const QString resource = picture->property("picture").toString();
        if (!resource.isEmpty() && picture->pixmap().isNull())
            picture->setPixmap(QIcon(resource).pixmap(picture->size()));
    }
}

QLineEdit* EntryField(QWidget* parent, const char* name, const FieldWidth& width, int tag) {
    auto* field = make<QLineEdit>(parent, name, tag);
    paint(field, Paint::Entry);
    field->setFixedWidth(width.pixels > 0 ? width.pixels
                                          : field->fontMetrics().horizontalAdvance(width.widest) + kEntryPadding);
    return field;
}

QLineEdit* TurnsField(QWidget* parent, const char* name, const FieldWidth& width) {
    QLineEdit* field = EntryField(parent, name, width);
    paint(field, Paint::Turns);
    QFont bold = field->font();
    bold.setBold(true);
    field->setFont(bold);
    return field;
}

ResultLabel* ResultField(QWidget* parent, const char* name, const QString& widest, const ResultLook& look) {
    auto* label = make<ResultLabel>(parent, name);
    paint(label, look.paint);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(look.alignment);
    label->setMargin(look.margin);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + look.padding);
    return label;
}

// The list is at least as wide as its longest entry: the default size policy
// measures the entries at the first showing. Setting a size policy, like a
// font change, would build the list's popup at once, and it would then narrow
// the list to its entries for a moment after the first showing.
QComboBox* SelectionList(QWidget* parent, const char* name, const QStringList& items, int position, int tag,
                         int visibleItems) {
    auto* list = make<QComboBox>(parent, name, tag);
    list->addItems(items);
    list->setMaxVisibleItems(visibleItems > 0 ? visibleItems : kListLines);
    paint(list, Paint::List);
    // Only `activated` is bound to a recompute, so this is no change.
    list->setCurrentIndex(position);
    return list;
}

} // namespace torvex::gui
