// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/AlertTextVC.h"

AlertTextVC::AlertTextVC(QString message, QObject *parent)
    : ViewController(QStringLiteral("AlertTextVC"), parent)
    , m_message(std::move(message)) {}
