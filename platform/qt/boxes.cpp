// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/boxes.h"

#include "platform/qt/text.h"

#include <QImageReader>
#include <QPainter>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace menivor::qt {

QtPicture::QtPicture(const QString& name, qreal devicePixelRatio)
    : resource_(u":/assets/"_s + name + (devicePixelRatio > 1 ? u"@2x.jpg"_s : u".jpg"_s))
    , ratio_(devicePixelRatio > 1 ? 2 : 1)
{
    QImageReader header(resource_, "jpeg"); // the format named: no probing of every decoder
    size_ = header.size() / ratio_;         // reads the header only
}

const QPixmap& QtPicture::Pixmap() const
{
    if (pixmap_.isNull()) {
        pixmap_ = QPixmap(resource_, "jpeg");
        pixmap_.setDevicePixelRatio(ratio_);
    }
    return pixmap_;
}

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

void PictureBox::SetPicture(PictureRef picture)
{
    picture_ = PictureOfLayer<QtPicture>(picture);
    const QSize size = picture_ ? picture_->Size() : QSize();
    resize(size.width() + 2 * FrameWidth, size.height() + 2 * FrameWidth);
    if (isVisible())
        ShowPicture();
}

std::u16string PictureBox::AccessibleName() const
{
    return ToU16(accessibleName());
}

void PictureBox::SetAccessibleName(std::u16string_view name)
{
    setAccessibleName(ToQString(name));
}

void PictureBox::showEvent(QShowEvent* event)
{
    ShowPicture(); // a hidden box never decodes its picture
    QLabel::showEvent(event);
}

void PictureBox::ShowPicture()
{
    if (picture_)
        setPixmap(picture_->Pixmap());
    else
        clear();
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
