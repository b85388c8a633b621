#include "platform/message_box_reporter.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/application_title.h"

namespace torvex::gui {

void MessageBoxReporter::showError(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), ApplicationTitle(), message);
}

} // namespace torvex::gui
