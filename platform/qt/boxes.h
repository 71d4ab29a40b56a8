// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace menivor::qt {

// A picture stored with the program (a JPEG in its resources), decoded the first time it is
// drawn: pictures that are never seen cost only their header's read. Screens with more than one
// device pixel to a pixel get the version drawn at twice the size, shown at the same size.
class QtPicture final : public Picture {
public:
    // name: "cycle" or "phase0" to "phase7"; devicePixelRatio of the screen it is shown on.
    QtPicture(const QString& name, qreal devicePixelRatio);

    QSize Size() const { return size_; } // device-independent pixels
    const QPixmap& Pixmap() const;       // decodes on the first call
    bool Decoded() const { return !pixmap_.isNull(); }

private:
    QString resource_;
    qreal ratio_;
    QSize size_;
    mutable QPixmap pixmap_;
};

// A picture in a two-pixel sunken frame. The box always takes its picture's size (in
// device-independent pixels) plus 2 pixels of frame on each side; its top-left corner stays.
// Two boxes set to the same picture show one QPixmap (implicitly shared), not copies.
class PictureBox final : public QLabel, public PictureControl {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    PictureRef GetPicture() const override { return picture_; }
    void SetPicture(PictureRef picture) override;
    std::u16string AccessibleName() const override;
    void SetAccessibleName(std::u16string_view name) override;

    QPixmap Pixmap() const { return pixmap(); } // what the box shows; null until it is shown

    static constexpr int FrameWidth = 2; // pixels, on every side

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowPicture();

    std::shared_ptr<const QtPicture> picture_;
};

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
