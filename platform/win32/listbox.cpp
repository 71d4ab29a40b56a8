// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/listbox.h"

#include "platform/win32/text.h"

#include <new>

namespace menivor::win32 {

void ListBox::Clear()
{
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    clicks_.Forget();
}

void ListBox::AddItem(std::u16string_view text)
{
    const std::wstring entry = WideOf(text);
    const LRESULT added = SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (added == LB_ERR || added == LB_ERRSPACE)
        throw std::bad_alloc();
}

std::int16_t ListBox::ListCount() const
{
    return static_cast<std::int16_t>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

std::int16_t ListBox::ListIndex() const
{
    return static_cast<std::int16_t>(SendMessageW(list_, LB_GETCURSEL, 0, 0)); // LB_ERR is -1
}

void ListBox::SelectEntry(std::int16_t index)
{
    SendMessageW(list_, LB_SETCURSEL, WPARAM(index), 0); // also scrolls the entry into view
    clicks_.Run(index);
}

std::u16string ListBox::EntryText(std::int16_t index) const
{
    std::wstring text(std::size_t(SendMessageW(list_, LB_GETTEXTLEN, WPARAM(index), 0)), L'\0');
    text.resize(std::size_t(SendMessageW(list_, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()))));
    return U16Of(text);
}

void ListBox::OnSelectionChange()
{
    // Windows also notifies a click on the entry that is already picked.
    const std::int16_t selected = ListIndex();
    clicks_.UserPicked(selected);
}

} // namespace menivor::win32
