#pragma once

#include <QHash>
#include <QString>

#include "calc/writes.h"

class QWidget;

namespace torvex::gui {

class ErrorReporter;

// Carries a recompute's writes out on a window's controls, found by object
// name, in order; then reports its error, if any, once.
class OutputWriter {
public:
    OutputWriter(QWidget* root, ErrorReporter* errors);
    void apply(const torvex::Outcome& outcome);
    QWidget* find(std::string_view objectName);

private:
    void index();
    QWidget* m_root;
    ErrorReporter* m_errors;
    QHash<QString, QWidget*> m_byName;
};

} // namespace torvex::gui
