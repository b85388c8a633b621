#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

namespace torvex::gui {

class MainContext;

// The information window: program name, version, copyright, and two
// pictures that switch the whole program to German or English. Ctrl+Alt+Shift
// with Q, E, X swaps the program picture for a second one for five seconds.
class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(MainContext& context);

    void showAndRaise();
    void OKButtonClick();
    void Image1Click(); // German
    void Image2Click(); // English
    // One key press while the window is active; true when it was a letter of
    // the sequence with exactly Ctrl+Alt+Shift held.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void Timer1Timer();

    QString keyBuffer() const { return m_keyBuffer; }
    QTimer* timer() const { return m_timer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override; // draws the pictures the first time

private:
    MainContext& m_context;
    QLabel* m_programIcon = nullptr;
    QLabel* m_secondPicture = nullptr;
    QTimer* m_timer = nullptr;
    QString m_keyBuffer; // lives as long as the program
    bool m_picturesDrawn = false;
};

} // namespace torvex::gui
