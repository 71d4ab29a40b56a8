// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/web/dom.h"
#include "window/controls.h"

namespace menivor::web {

// A list box on the page's own list, a <select> showing several entries: every keyboard, pointer
// and screen reader knows it. The page fires no event when code sets the selection, so
// SelectEntry runs the click handling itself; a user's pick arrives as one "change".
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
    void OnChange();

    Element element_;
    ListClicks clicks_;
    std::int16_t shown_ = -1; // the selection last seen, put back should a browser remove it
    Listener change_;
};

} // namespace menivor::web
