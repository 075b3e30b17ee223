#include "FontWarmUp.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QThread>

void FontWarmUp::start() {
    QThread *thread = QThread::create([] {
        // Latin and Cyrillic both, so the fallback for either script is resolved too.
        QFontMetricsF(QGuiApplication::font()).horizontalAdvance(QStringLiteral("zirel Находки"));
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}
