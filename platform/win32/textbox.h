// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

#include <windows.h>

namespace menivor::win32 {

// A read-only EDIT control: the user can select and copy its text but not change it. Lines end
// in CR LF, as the EDIT control shows them; the form's texts are written that way.
class TextBox final : public TextControl {
public:
    explicit TextBox(HWND edit) : edit_(edit) {}

    HWND Handle() const { return edit_; }
    std::u16string Text() const override;
    // Sets the text with the caret and the view at its beginning, where reading starts.
    void SetText(std::u16string_view text) override;

private:
    HWND edit_;
};

} // namespace menivor::win32
