// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace menivor::qt {

// A multi-line, word-wrapped text the user can read, select, copy and scroll but not change.
// Read-only blocks the keyboard, the mouse and drops; any change that still arrives (assistive
// technology can edit read-only widgets through their accessible interface) is put back at
// once, so that only SetText changes the text.
class TextBox final : public QPlainTextEdit, public TextControl {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);
    std::u16string Text() const override;
    void SetText(std::u16string_view text) override;

private:
    QString text_; // as SetText left it
};

// A single-line, centred text with the same lock.
class LineBox final : public QLineEdit, public TextControl {
    Q_OBJECT

public:
    explicit LineBox(QWidget* parent = nullptr);
    std::u16string Text() const override;
    void SetText(std::u16string_view text) override;

private:
    QString text_;
};

} // namespace menivor::qt
