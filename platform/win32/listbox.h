// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

#include <windows.h>

#include <functional>

namespace menivor::win32 {

// A date list as a standard LISTBOX (single selection, notifying its parent). LB_SETCURSEL sends
// no notification, so SelectEntry runs the click handling itself; the parent passes on the
// user's picks (LBN_SELCHANGE) to OnSelectionChange.
class ListBox final : public ListControl {
public:
    explicit ListBox(HWND list) : list_(list) {}

    HWND Handle() const { return list_; }
    void SetClickHandler(std::function<void()> handler) { clicks_.SetHandler(std::move(handler)); }
    // The user picked an entry (LBN_SELCHANGE): runs the click handling once if the selection moved.
    void OnSelectionChange();

    void Clear() override;
    void AddItem(std::u16string_view text) override;
    std::int16_t ListCount() const override;
    std::int16_t ListIndex() const override;

protected:
    void SelectEntry(std::int16_t index) override;
    std::u16string EntryText(std::int16_t index) const override;

private:
    HWND list_;
    ListClicks clicks_;
};

} // namespace menivor::win32
