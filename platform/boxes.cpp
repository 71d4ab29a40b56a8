// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/boxes.h"

#include <QPainter>

namespace menivor {

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // a fixed two-pixel frame
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    // The frame's own shades, so that its light edges stay visible on any window colour.
    QPalette shades = palette();
    shades.setColor(QPalette::Light, QColor(255, 255, 255));
    shades.setColor(QPalette::Midlight, QColor(223, 223, 223));
    shades.setColor(QPalette::Dark, QColor(128, 128, 128));
    shades.setColor(QPalette::Shadow, QColor(64, 64, 64));
    setPalette(shades);
}

void PictureBox::SetPicture(const QPixmap& picture)
{
    setPixmap(picture);
    const QSize size = picture.deviceIndependentSize().toSize();
    resize(size.width() + 2 * FrameWidth, size.height() + 2 * FrameWidth);
}

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read-only drops keyboard selection; the lock is about changes, reading stays free.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (toPlainText() != text_)
            document()->setPlainText(text_);
    });
}

void TextBox::SetText(const QString& text)
{
    const QSignalBlocker quiet(this);
    // Through the document: the widget's own setPlainText would also lay the text out at once to
    // scroll to a cursor that this box never shows.
    document()->setPlainText(text);
    text_ = toPlainText(); // line breaks as the box keeps them
}

LineBox::LineBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (text() != text_)
            setText(text_);
    });
}

void LineBox::SetText(const QString& text)
{
    text_ = text;
    setText(text);
}

ColourButton::ColourButton(const QString& text, QColor face, QWidget* parent)
    : QPushButton(text, parent)
    , face_(face)
{
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool down = isDown();
    const int border = hasFocus() ? 2 : 1; // pixels
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(border, border, -border, -border), down ? face_.darker(150) : face_);
    painter.setPen(palette().color(QPalette::ButtonText));
    const int shift = down ? 1 : 0; // the caption sinks with the face
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace menivor
