// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/picturebox.h"

#include "window/conversions.h"

#include <stdexcept>

namespace menivor::web {

namespace {

std::u16string Pixels(int value)
{
    return NumberText(value) + u"px";
}

} // namespace

WebPicture::WebPicture(std::u16string name)
    : name_(std::move(name))
{
    const auto size = StoredPictureSize(name_);
    if (!size)
        throw std::invalid_argument("the page stores no picture " + Utf8Of(name_));
    std::tie(width_, height_) = *size;
}

PictureBox::PictureBox(Element frame, Element image)
    : frame_(std::move(frame))
    , image_(std::move(image))
{
    image_.SetAttribute(u"alt", u"");
}

void PictureBox::SetPicture(PictureRef picture)
{
    picture_ = PictureOfLayer<WebPicture>(picture);
    if (!picture_)
        return;
    frame_.SetStyle(u"width", Pixels(picture_->Width() + 2 * FrameWidth));
    frame_.SetStyle(u"height", Pixels(picture_->Height() + 2 * FrameWidth));
    image_.SetAttribute(u"width", NumberText(picture_->Width()));
    image_.SetAttribute(u"height", NumberText(picture_->Height()));
    ShowPicture();
}

void PictureBox::SetAccessibleName(std::u16string_view name)
{
    name_ = name;
    image_.SetAttribute(u"alt", name_);
}

void PictureBox::SetDense(bool dense)
{
    if (dense == dense_)
        return;
    dense_ = dense;
    ShowPicture();
}

void PictureBox::ShowPicture() const
{
    if (picture_)
        image_.ShowPicture(picture_->Name(), dense_);
}

} // namespace menivor::web
