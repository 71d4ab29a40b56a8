// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/textbox.h"

#include "platform/qt/text.h"

#include <QTextCursor>

namespace menivor::qt {

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

std::u16string TextBox::Text() const
{
    return ToU16(toPlainText());
}

void TextBox::SetText(std::u16string_view text)
{
    const QSignalBlocker quiet(this);
    // Through the document: the widget's own setPlainText would also lay the text out at once to
    // scroll to a cursor that this box never shows.
    document()->setPlainText(ToQString(text));
    // Reading starts at the top: the caret at the beginning, where the box shows the text.
    QTextCursor start(document());
    setTextCursor(start);
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

std::u16string LineBox::Text() const
{
    return ToU16(text());
}

void LineBox::SetText(std::u16string_view text)
{
    text_ = ToQString(text);
    setText(text_);
}

} // namespace menivor::qt
