// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QList>
#include <QMetaObject>
#include <QMutex>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class WorkerThread;

// Drawn symbols kept as files, so a start draws from the disk what an earlier run drew from
// the icons' sources: the screens ask for a dozen of them before their first frame, and drawing
// the first one brings in the whole vector renderer. A file is named after what it was drawn
// from (the tinted source, the size and the opacity), so a changed icon or tint never meets a
// stale file, and a damaged file is simply drawn again.
class SymbolCache {
public:
    /// How long drawings wait to be written: past the start-up they are drawn in, which then
    /// does not share the processor with the writing.
    static constexpr std::chrono::milliseconds kWriteDelay{2000};

    /// The directory for the files, or nothing for no files at all.
    explicit SymbolCache(std::optional<QString> directory,
                         std::chrono::milliseconds writeDelay = kWriteDelay);
    ~SymbolCache();
    SymbolCache(const SymbolCache &) = delete;
    SymbolCache &operator=(const SymbolCache &) = delete;
    /// The cache in the application's cache directory.
    static SymbolCache &shared();

    /// The file for a drawing of `source` at `size` and `opacity`, or nothing without a
    /// directory.
    [[nodiscard]] std::optional<QString> filePath(const QByteArray &source, QSize size,
                                                  qreal opacity) const;
    /// The stored drawing, if there is an intact one of exactly that size.
    [[nodiscard]] std::optional<QImage> find(const QByteArray &source, QSize size,
                                             qreal opacity) const;
    /// Writes the drawing on a thread of its own after the delay, or at quit if that comes
    /// first; a failed write only means drawing it again.
    void store(const QByteArray &source, qreal opacity, const QImage &image);

private:
    struct Drawing {
        QString path;
        QImage image;
    };
    void writePending();

    std::optional<QString> m_directory;
    std::chrono::milliseconds m_writeDelay;
    QMutex m_mutex; // symbols may be asked for from the image reader's thread too
    QList<Drawing> m_pending;
    bool m_writeScheduled = false;
    QMetaObject::Connection m_quitting;
    std::unique_ptr<WorkerThread> m_writer;
};
