// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/listbox.h"

namespace menivor::web {

ListBox::ListBox(Element element, std::function<void()> clicked)
    : element_(std::move(element))
    , change_(&element_, u"change", [this] { clicks_.UserPicked(ListIndex()); })
{
    element_.MakeListBox();
    clicks_.SetHandler(std::move(clicked));
}

void ListBox::Clear()
{
    element_.ClearEntries();
    clicks_.Forget();
}

void ListBox::AddItem(std::u16string_view text)
{
    element_.AddEntry(text);
}

std::int16_t ListBox::ListCount() const
{
    return static_cast<std::int16_t>(element_.EntryCount());
}

std::int16_t ListBox::ListIndex() const
{
    return static_cast<std::int16_t>(element_.SelectedEntry());
}

void ListBox::SelectEntry(std::int16_t index)
{
    element_.SelectEntry(index);
    clicks_.Run(index);
}

std::u16string ListBox::EntryText(std::int16_t index) const
{
    return element_.EntryText(index);
}

} // namespace menivor::web
