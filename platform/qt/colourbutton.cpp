// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/colourbutton.h"

#include <QPainter>

namespace menivor::qt {

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

} // namespace menivor::qt
