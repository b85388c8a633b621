#include "platform/message_box_reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace torvex::gui {

void MessageBoxReporter::showError(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(), message);
}

} // namespace torvex::gui
