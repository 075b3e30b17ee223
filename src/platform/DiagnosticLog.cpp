#include "platform/DiagnosticLog.h"

#include <QMutex>
#include <cstdio>

namespace DiagnosticLog {

void line(const QString &text) {
    // Lines come from the main thread and the network worker alike; whole lines only.
    static QMutex mutex;
    const QByteArray bytes = text.toUtf8() + '\n';
    QMutexLocker lock(&mutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace DiagnosticLog
