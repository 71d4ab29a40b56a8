// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/picturebox.h"

#include "platform/qt/edges.h"
#include "platform/qt/text.h"

#include <QImageReader>

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
    QPalette shades = palette();
    SetEdgeShades(shades);
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

} // namespace menivor::qt
