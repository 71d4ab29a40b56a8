// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace menivor::qt {

// A push button drawn flat in one colour: the face fills the button, a black border of one
// pixel (two while it has the focus), a darker face while pressed, the caption centred. It
// behaves like any push button (mouse, Space, Enter when auto-default). Painted by hand because
// a style sheet doing the same costs several milliseconds of start-up.
class ColourButton final : public QPushButton {
    Q_OBJECT

public:
    ColourButton(const QString& text, QColor face, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

} // namespace menivor::qt
