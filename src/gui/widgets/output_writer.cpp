#include "widgets/output_writer.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "platform/platform.h"
#include "widgets/colours.h"
#include "widgets/hints.h"

namespace torvex::gui {

OutputWriter::OutputWriter(QWidget* root, ErrorReporter* errors) : m_root(root), m_errors(errors) {}

void OutputWriter::index() {
    m_byName.clear();
    m_byName.insert(m_root->objectName(), m_root);
    const auto children = m_root->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (!w->objectName().isEmpty())
            m_byName.insert(w->objectName(), w);
}

QWidget* OutputWriter::find(std::string_view objectName) {
    const QString name = QString::fromLatin1(objectName.data(), qsizetype(objectName.size()));
    auto it = m_byName.constFind(name);
    if (it == m_byName.constEnd() || it.value() == nullptr) {
        index();
        it = m_byName.constFind(name);
        if (it == m_byName.constEnd())
            return nullptr;
    }
    return it.value();
}

void OutputWriter::apply(const torvex::Outcome& outcome) {
    for (const torvex::Write& write : outcome.writes) {
        QWidget* w = find(write.target);
        Q_ASSERT_X(w, "OutputWriter", write.target.data());
        if (!w)
            continue;
        switch (write.property) {
        case torvex::Property::Text: {
            const QString text = QString::fromUtf8(write.text.data(), qsizetype(write.text.size()));
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setText(text);
            else if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->setText(text);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                button->setText(text);
            break;
        }
        case torvex::Property::Visible:
            w->setVisible(write.value != 0);
            break;
        case torvex::Property::Enabled:
            w->setEnabled(write.value != 0);
            break;
        case torvex::Property::HintEnabled:
            setShowHint(w, write.value != 0);
            break;
        case torvex::Property::Background:
            if (write.value == torvex::kButtonFace)
                clearBackground(w);
            else
                setBackground(w, QColor::fromRgb(QRgb(write.value)));
            break;
        case torvex::Property::FontSize: {
            QFont font = w->font();
            font.setPointSize(write.value);
            w->setFont(font);
            break;
        }
        }
    }
    if (outcome.error && m_errors)
    {
        const std::string& message = outcome.error->message();
        m_errors->showError(QString::fromUtf8(message.data(), qsizetype(message.size())));
    }
}

} // namespace torvex::gui
