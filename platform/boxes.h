// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace menivor {

// A picture in a two-pixel sunken frame. The box always takes its picture's size (in
// device-independent pixels) plus 2 pixels of frame on each side; its top-left corner stays.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture itself, implicitly shared: a box set to another box's Picture() shows the same
    // pixel data, not a copy.
    QPixmap Picture() const { return pixmap(); }
    void SetPicture(const QPixmap& picture);

    static constexpr int FrameWidth = 2; // pixels, on every side
};

// A multi-line, word-wrapped text the user can read, select, copy and scroll but not change.
// Read-only blocks the keyboard, the mouse and drops; any change that still arrives (assistive
// technology can edit read-only widgets through their accessible interface) is put back at
// once, so that only SetText changes the text.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);
    QString Text() const { return toPlainText(); }
    void SetText(const QString& text);

private:
    QString text_; // as SetText left it
};

// A single-line, centred text with the same lock.
class LineBox : public QLineEdit {
    Q_OBJECT

public:
    explicit LineBox(QWidget* parent = nullptr);
    QString Text() const { return text(); }
    void SetText(const QString& text);

private:
    QString text_;
};

// A push button drawn flat in one colour: the face fills the button, a black border of one
// pixel (two while it has the focus), a darker face while pressed, the caption centred. It
// behaves like any push button (mouse, Space, Enter when auto-default). Painted by hand because
// a style sheet doing the same costs several milliseconds of start-up.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    ColourButton(const QString& text, QColor face, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

} // namespace menivor
