// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

#include <QListWidget>

#include <functional>

namespace menivor::qt {

// A single-selection list widget with the ListControl contract.
//
// The click handling runs exactly once for each new selection: one for every SetListIndex, and
// one when the user selects another entry with the mouse or the keyboard. It does not run for
// Clear, AddItem, the list's getting the focus, a click on the entry that is already selected,
// or any other signal Qt sends on the way. The user cannot take the selection away (Ctrl+click
// or Ctrl+Space on the selected entry, a click below the entries): a list that has a selection
// keeps one. The handler must not throw when the user's selection runs it.
class ListBox : public QListWidget, public ListControl {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    void SetClickHandler(std::function<void()> handler) { clicks_.SetHandler(std::move(handler)); }

    void Clear() override;
    void AddItem(std::u16string_view text) override;
    std::int16_t ListCount() const override;
    std::int16_t ListIndex() const override;

protected:
    void SelectEntry(std::int16_t index) override;
    std::u16string EntryText(std::int16_t index) const override;

    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void OnSelectionChanged();

    bool changingFromCode_ = false; // our own code is changing the list: Qt's signals are noise
    ListClicks clicks_;
};

} // namespace menivor::qt
