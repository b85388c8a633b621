// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/about_window.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <qdrawutil.h>

#include "widgets/builders.h"
#include "widgets/colours.h"
#include "widgets/language.h"
#include "widgets/make.h"
#include "widgets/window_context.h"
#include "widgets/window_size.h"

// Resources compiled into a static library must be registered by name.
static void initAboutResources() { Q_INIT_RESOURCE(about); }

namespace torvex::gui {

namespace {

constexpr int kSwapMilliseconds = 5000;
constexpr QSize kProgramPictureSize{97, 65};
constexpr QSize kFlagSize{32, 32};
constexpr int kLicenceText = 2050;      // "Lizenz: GNU GPL 3 oder neuer"
constexpr int kMaterialDataText = 2400; // "Materialdaten: Fair-Rite Products Corp."
constexpr QSize kClientSize{284, 223};

// A panel with two bevels of one pixel each: a lowered one outside and a
// raised one inside, so that the panel stands in a shallow trough.
class BevelledPanel : public QFrame {
public:
    explicit BevelledPanel(QWidget* parent) : QFrame(parent) { setContentsMargins(2, 2, 2, 2); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

// A picture that answers a click; the language switch treats it as an image
// (it only takes a hint from the text table).
class ClickableImage : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (onClick)
            onClick();
        QLabel::mousePressEvent(event);
    }
};

} // namespace

AboutWindow::AboutWindow(WindowContext& context)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_context(context) {
    initAboutResources();
    setObjectName(QStringLiteral("TAboutBox"));
    setProperty("tag", 356);
    const Language shown = m_context.settings().language();

    auto* panel = new BevelledPanel(this);
    panel->setObjectName(QStringLiteral("Panel1"));

    m_programIcon = Picture<QLabel>(panel, "ProgramIcon", 0, QStringLiteral(":/about/toroid.svg"), kProgramPictureSize);

    QLabel* product = TaggedCaption(panel, "Produktname", 255, shown);
    product->setAlignment(Qt::AlignCenter);
    QFont productFont(QStringLiteral("Arial"));
    productFont.setPointSize(16);
    productFont.setBold(true);
    product->setFont(productFont);
    setTextColour(product, kFooterBlue);

    QLabel* version = FixedCaption(panel, "Version", QStringLiteral("Version 1.1.2"));
    version->setAlignment(Qt::AlignCenter);

    QLabel* copyright = TaggedCaption(panel, "Copyright", 256, shown);
    copyright->setAlignment(Qt::AlignCenter);
    copyright->setWordWrap(true);

    QLabel* comments = FixedCaption(panel, "Comments", QStringLiteral("2026"));
    comments->setAlignment(Qt::AlignCenter);

    // The licence beside the OK button, and where the ferrite window's
    // material data come from beside the language pictures, in a small font:
    // the window keeps its size.
    QFont small = comments->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    auto* licence = make<QPushButton>(panel, "licenceButton", kLicenceText);
    licence->setText(TableText(kLicenceText, shown));
    licence->setFlat(true);
    licence->setFont(small);
    licence->setCursor(Qt::PointingHandCursor);
    licence->setFocusPolicy(Qt::TabFocus);
    setTextColour(licence, kFooterBlue);
    connect(licence, &QPushButton::clicked, this, &AboutWindow::licenceWanted);
    QLabel* materialData = TaggedCaption(panel, "materialDataLabel", kMaterialDataText, shown);
    materialData->setAlignment(Qt::AlignCenter);
    materialData->setFont(small);
    materialData->setWordWrap(true);
    materialData->setFixedWidth(QFontMetrics(small).horizontalAdvance(QStringLiteral("Fair-Rite Products Corp.")) + 4);

    auto* german = Picture<ClickableImage>(panel, "Image1", 358, QStringLiteral(":/about/flag_german.svg"), kFlagSize);
    german->onClick = [this] { m_context.showLanguage(Language::German); };
    german->setCursor(Qt::PointingHandCursor);
    auto* english =
        Picture<ClickableImage>(panel, "Image2", 359, QStringLiteral(":/about/flag_english.svg"), kFlagSize);
    english->onClick = [this] { m_context.showLanguage(Language::English); };
    english->setCursor(Qt::PointingHandCursor);

    m_secondPicture = Picture<QLabel>(panel, "Image3", 0, QStringLiteral(":/about/antenna.svg"), kProgramPictureSize);
    m_secondPicture->hide();

    m_ok = make<QPushButton>(this, "OKButton");
    m_ok->setText(QStringLiteral("OK"));
    m_ok->setDefault(true);

    m_timer = make<QTimer>(this, "Timer1");
    m_timer->setInterval(kSwapMilliseconds);
    m_timer->setSingleShot(false);

    // Layout: pictures and name on top, texts below, language pictures at the
    // bottom of the panel; the OK button under the panel.
    auto* top = new QHBoxLayout;
    auto* pictures = new QGridLayout; // the second picture stands where the first one does
    pictures->addWidget(m_programIcon, 0, 0);
    pictures->addWidget(m_secondPicture, 0, 0);
    top->addLayout(pictures);
    auto* names = new QVBoxLayout;
    names->addWidget(product);
    names->addWidget(version);
    top->addLayout(names, 1);

    auto* languages = new QHBoxLayout;
    languages->addStretch();
    languages->addWidget(german);
    languages->addSpacing(16);
    languages->addWidget(english);
    languages->addStretch();
    languages->addWidget(materialData);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(top);
    panelLayout->addWidget(copyright);
    panelLayout->addWidget(comments);
    panelLayout->addLayout(languages);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(licence);
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(6);
    panelLayout->setContentsMargins(8, 6, 8, 6);
    panelLayout->setSpacing(4);
    outer->addWidget(panel);
    outer->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::hide);
    connect(m_timer, &QTimer::timeout, this, &AboutWindow::restoreProgramPicture);

    // The key sequence must work whatever control has the focus. None of the
    // controls here takes a letter with Ctrl+Alt+Shift, so such a key always
    // travels on to the window, where exactly one filter sees it once.
    installEventFilter(this);
    m_ok->setFocus();

    // The client area is the window's own; a larger font (a desktop scaled
    // up) may need more, in either language.
    KeepLargestSize(this, {[this] { ApplyLanguage({this}, Language::German); },
                           [this] { ApplyLanguage({this}, Language::English); }});
    setFixedSize(size().expandedTo(kClientSize));

    followSettings(DisplaySettings::Change::Language);
    connect(&m_context.settings(), &DisplaySettings::changed, this, &AboutWindow::followSettings);
}

void AboutWindow::showAndRaise() {
    show();
    raise();
    activateWindow();
}

void AboutWindow::showEvent(QShowEvent* event) {
    if (!m_picturesDrawn) {
        m_picturesDrawn = true;
        DrawPictures(this);
        m_ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        // Centred on the screen the first time; later where the user left it.
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

void AboutWindow::followSettings(DisplaySettings::Change what) {
    if (what == DisplaySettings::Change::Language)
        ApplyLanguage({this}, m_context.settings().language());
}

void AboutWindow::recordKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    // Keypad keys carry an extra flag that is no modifier the user holds.
    if ((modifiers & ~Qt::KeypadModifier) == chord) {
        if (key == Qt::Key_Q)
            m_keyBuffer = QStringLiteral("Q");
        else if (key == Qt::Key_E)
            m_keyBuffer += QLatin1Char('E');
        else if (key == Qt::Key_X)
            m_keyBuffer += QLatin1Char('X');
    }
    if (m_keyBuffer == QLatin1String("QEX")) {
        m_programIcon->hide();
        m_secondPicture->show();
        // A running timer is not restarted: further keys do not prolong the swap.
        if (!m_timer->isActive())
            m_timer->start();
    }
}

void AboutWindow::restoreProgramPicture() {
    m_programIcon->show();
    m_secondPicture->hide();
    m_timer->stop();
    m_keyBuffer.clear();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        recordKey(key->key(), key->modifiers());
    } else if (event->type() == QEvent::Close && watched == this) {
        // Closing by the frame only hides; the window lives until the end.
        event->ignore();
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace torvex::gui
