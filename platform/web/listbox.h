// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/web/dom.h"
#include "window/controls.h"

namespace menivor::web {

// A list box of the page's own (a role=listbox that lists.js makes work alike in every engine: the
// mouse, a finger, the arrows and type-ahead, and a screen reader). The page fires no event when
// code sets the selection, so SelectEntry runs the click handling itself; a user's pick arrives
// as one "change". A user can pick another entry but never leave the list without one.
class ListBox final : public ListControl {
public:
    ListBox(Element element, std::function<void()> clicked);

    void Clear() override;
    void AddItem(std::u16string_view text) override;
    std::int16_t ListCount() const override;
    std::int16_t ListIndex() const override;

    const Element& Box() const { return element_; }

private:
    void SelectEntry(std::int16_t index) override;
    std::u16string EntryText(std::int16_t index) const override;
    Element element_;
    ListClicks clicks_;
    Listener change_;
};

} // namespace menivor::web
