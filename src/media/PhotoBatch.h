#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

// Downloads a list of photo addresses in parallel with plain GETs and decodes them off the
// main thread. When every request has ended, the completion runs once on the main thread with
// the photos that arrived, in address order; invalid addresses, failed requests and bytes that
// are no picture are left out. It is dropped when the context is gone by then.
namespace PhotoBatch {
void download(const QStringList &addresses, QObject *context,
              std::function<void(QList<QImage>)> completion);
/// Whether an address may be requested: https, or plain http to this machine only.
[[nodiscard]] bool isRequestable(const QUrl &url);
} // namespace PhotoBatch
