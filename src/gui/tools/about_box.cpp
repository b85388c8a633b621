#include "tools/about_box.h"

#include <QEvent>
#include <functional>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "main_context.h"
#include "widgets/colours.h"
#include "widgets/make.h"

// Resources compiled into a static library must be registered by name.
static void initAboutResources() { Q_INIT_RESOURCE(about); }

namespace torvex::gui {

namespace {

constexpr int kSwapMilliseconds = 5000;

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

template <class W>
W* makeImage(QWidget* parent, const char* name, int tag, const QString& resource, QSize size) {
    auto* image = make<W>(parent, name, tag);
    image->setProperty("torvexKind", QStringLiteral("image"));
    image->setFixedSize(size);
    image->setAlignment(Qt::AlignCenter);
    // Drawn when the window is first shown: most runs never open it.
    image->setProperty("picture", resource);
    return image;
}

} // namespace

TAboutBox::TAboutBox(MainContext& context)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_context(context) {
    initAboutResources();
    setObjectName(QStringLiteral("TAboutBox"));
    setProperty("tag", 356);

    auto* panel = make<QFrame>(this, "Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);

    m_programIcon = makeImage<QLabel>(panel, "ProgramIcon", 0, QStringLiteral(":/about/toroid.svg"), {97, 65});

    auto* product = make<QLabel>(panel, "Produktname", 255);
    product->setText(QStringLiteral("Torvex"));
    product->setAlignment(Qt::AlignCenter);
    QFont productFont(QStringLiteral("Arial"));
    productFont.setPointSize(16);
    productFont.setBold(true);
    product->setFont(productFont);
    setTextColour(product, kFooterBlue);

    auto* version = make<QLabel>(panel, "Version");
    version->setText(QStringLiteral("Version 1.1.2"));
    version->setAlignment(Qt::AlignCenter);

    auto* copyright = make<QLabel>(panel, "Copyright", 256);
    copyright->setAlignment(Qt::AlignCenter);
    copyright->setWordWrap(true);

    auto* comments = make<QLabel>(panel, "Comments");
    comments->setText(QStringLiteral("2026"));
    comments->setAlignment(Qt::AlignCenter);

    auto* german = makeImage<ClickableImage>(panel, "Image1", 358, QStringLiteral(":/about/flag_german.svg"), {32, 32});
    german->onClick = [this] { Image1Click(); };
    german->setCursor(Qt::PointingHandCursor);
    auto* english = makeImage<ClickableImage>(panel, "Image2", 359, QStringLiteral(":/about/flag_english.svg"), {32, 32});
    english->onClick = [this] { Image2Click(); };
    english->setCursor(Qt::PointingHandCursor);

    m_secondPicture = makeImage<QLabel>(panel, "Image3", 0, QStringLiteral(":/about/antenna.svg"), {97, 65});
    m_secondPicture->hide();

    auto* ok = make<QPushButton>(this, "OKButton");
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);

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

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(top);
    panelLayout->addWidget(copyright);
    panelLayout->addWidget(comments);
    panelLayout->addLayout(languages);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(panel);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumSize(284, 223);

    connect(ok, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connect(m_timer, &QTimer::timeout, this, &TAboutBox::Timer1Timer);

    // The key sequence must work whatever control has the focus. None of the
    // controls here takes a letter with Ctrl+Alt+Shift, so such a key always
    // travels on to the window, where exactly one filter sees it once.
    installEventFilter(this);
    ok->setFocus();

    m_context.registerWindow(this);
    m_context.invokeStartLanguage();
}

void TAboutBox::showAndRaise() {
    show();
    raise();
    activateWindow();
}

void TAboutBox::showEvent(QShowEvent* event) {
    if (!m_picturesDrawn) {
        m_picturesDrawn = true;
        for (QLabel* image : findChildren<QLabel*>())
            if (const QString resource = image->property("picture").toString(); !resource.isEmpty())
                image->setPixmap(QIcon(resource).pixmap(image->size()));
        if (auto* ok = findChild<QPushButton*>(QStringLiteral("OKButton")))
            ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    }
    QWidget::showEvent(event);
}

void TAboutBox::OKButtonClick() { hide(); }

void TAboutBox::Image1Click() { m_context.languageCommand(false); }

void TAboutBox::Image2Click() { m_context.languageCommand(true); }

void TAboutBox::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
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

void TAboutBox::Timer1Timer() {
    m_programIcon->show();
    m_secondPicture->hide();
    m_timer->stop();
    m_keyBuffer.clear();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        FormKeyDown(key->key(), key->modifiers());
    } else if (event->type() == QEvent::Close && watched == this) {
        // Closing by the frame only hides; the window lives until the end.
        event->ignore();
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace torvex::gui
