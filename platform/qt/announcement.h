// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace menivor::qt {

// Tells screen readers a text where Qt has no announcement event (before Qt 6.8): a notification
// with no size, invisible to the eye, that appears with the text as its name. Screen readers
// speak a notification as it shows (over AT-SPI, a "showing" change of a notification).
class Announcement final : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);
    void Tell(const QString& text);
};

} // namespace menivor::qt
