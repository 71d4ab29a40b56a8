// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/textbox.h"

#include "platform/win32/text.h"

namespace menivor::win32 {

std::u16string TextBox::Text() const
{
    return WindowText(edit_);
}

void TextBox::SetText(std::u16string_view text)
{
    PutWindowText(edit_, text);
    SendMessageW(edit_, EM_SETSEL, 0, 0);
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

} // namespace menivor::win32
