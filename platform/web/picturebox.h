// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/web/dom.h"
#include "window/controls.h"
#include "window/layout.h"

namespace menivor::web {

// A picture stored with the page (a JPEG at 1x and 2x, by name), as the page knows it: its size
// in CSS pixels at scale 1. The browser decodes it; two boxes with one picture show one image.
class WebPicture final : public Picture {
public:
    // name: "cycle" or "phase0" to "phase7". A name that the page does not have is
    // std::invalid_argument.
    explicit WebPicture(std::u16string name);

    const std::u16string& Name() const { return name_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    std::u16string name_;
    int width_ = 0, height_ = 0;
};

// A picture in a two-pixel sunken frame (a <div> around an <img>): the box takes its picture's
// size plus the frame; its top-left corner stays. Its accessible name is the image's alt text.
class PictureBox final : public PictureControl {
public:
    PictureBox(Element frame, Element image);

    PictureRef GetPicture() const override { return picture_; }
    void SetPicture(PictureRef picture) override;
    std::u16string AccessibleName() const override { return name_; }
    void SetAccessibleName(std::u16string_view name) override;

    // Where the page shows the window larger than its pixels (a dense screen, a scale above 1),
    // the version drawn at twice the size.
    void SetDense(bool dense);

    static constexpr int FrameWidth = menivor::Form.pictureFrameWidth; // pixels, on every side

private:
    void ShowPicture() const;

    Element frame_, image_;
    std::shared_ptr<const WebPicture> picture_;
    std::u16string name_;
    bool dense_ = false;
};

} // namespace menivor::web
