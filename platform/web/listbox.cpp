// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/listbox.h"

namespace menivor::web {

ListBox::ListBox(Element element, std::function<void()> clicked)
    : element_(std::move(element))
    , change_(&element_, u"change", [this] { OnChange(); })
{
    clicks_.SetHandler(std::move(clicked));
}

void ListBox::Clear()
{
    element_.ClearEntries();
    shown_ = -1;
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
    shown_ = index;
    clicks_.Run(index);
}

std::u16string ListBox::EntryText(std::int16_t index) const
{
    return element_.EntryText(index);
}

void ListBox::OnChange()
{
    // Chromium lets no user remove the selection of a single-choice list; other browsers may
    // (Ctrl+click), and the form relies on a picked entry staying picked.
    const std::int16_t selected = ListIndex();
    if (selected < 0 && shown_ >= 0) {
        element_.SelectEntry(shown_);
        return;
    }
    shown_ = selected;
    clicks_.UserPicked(selected);
}

} // namespace menivor::web
