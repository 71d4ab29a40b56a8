// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A text box and a picture box that only hold their values: for the controls that are never
// shown (a toolkit layer need not make a widget for them, so they are no part of the window a
// screen reader sees), and for tests that run the form on in-memory controls.

#include "window/controls.h"

namespace menivor {

class StoredText final : public TextControl {
public:
    std::u16string Text() const override { return text_; }
    void SetText(std::u16string_view text) override { text_ = text; }

private:
    std::u16string text_;
};

class StoredPicture final : public PictureControl {
public:
    PictureRef GetPicture() const override { return picture_; }
    void SetPicture(PictureRef picture) override { picture_ = std::move(picture); }
    std::u16string AccessibleName() const override { return name_; }
    void SetAccessibleName(std::u16string_view name) override { name_ = name; }

private:
    PictureRef picture_;
    std::u16string name_;
};

} // namespace menivor
