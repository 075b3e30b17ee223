// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QTemporaryFile>
#include <QtGlobal>

// Redirects this process's standard output into a temporary file while it lives, so a test
// can read the diagnostic lines that code under test printed. The client's log categories
// write there as they do in the client, rather than into the test's own report.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture &) = delete;
    StdoutCapture &operator=(const StdoutCapture &) = delete;

    // Everything printed since the capture began.
    [[nodiscard]] QString text();

private:
    QTemporaryFile m_file;
    int m_savedFd = -1;
    QtMessageHandler m_savedHandler = nullptr;
};
