#pragma once

#include <QString>

// Diagnostic lines go to standard output as plain text, one per event, with no levels.
namespace DiagnosticLog {
void line(const QString &text);
}
