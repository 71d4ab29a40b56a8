// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/listbox.h"

#include "platform/qt/text.h"

#include <QFocusEvent>
#include <QScopedValueRollback>

namespace menivor::qt {

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true); // every entry is one short line: the view need not measure each
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::OnSelectionChanged);
}

void ListBox::Clear()
{
    const QScopedValueRollback quiet(changingFromCode_, true);
    clear();
    clicks_.Forget();
}

void ListBox::AddItem(std::u16string_view text)
{
    const QScopedValueRollback quiet(changingFromCode_, true);
    addItem(ToQString(text));
}

std::int16_t ListBox::ListCount() const
{
    return static_cast<std::int16_t>(count());
}

std::int16_t ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? std::int16_t(-1) : static_cast<std::int16_t>(selected.first().row());
}

void ListBox::SelectEntry(std::int16_t index)
{
    {
        const QScopedValueRollback quiet(changingFromCode_, true);
        // Only a list with the focus moves its current (keyboard) entry: Qt tells assistive
        // technology that the current entry has the focus, which would be false for a list the
        // user is not in. The others follow when the focus arrives (focusInEvent).
        if (hasFocus())
            setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        else
            selectionModel()->select(model()->index(index, 0), QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(index));
    }
    clicks_.Run(index);
}

std::u16string ListBox::EntryText(std::int16_t index) const
{
    return ToU16(item(index)->text());
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    // Nothing the user does may leave the list without a selection once it has one.
    const auto command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // Qt makes the first entry current when the focus arrives in a list without one; a pupil who
    // tabs into the day list has picked no day, and the first arrow key should pick day 1. In a
    // list with a picked entry, the keys start from that entry.
    const QScopedValueRollback quiet(changingFromCode_, true);
    const std::int16_t selected = ListIndex();
    if (selected < 0 && currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
    else if (selected >= 0 && currentRow() != selected) {
        // Without scrolling: under a mouse press the entry being clicked must stay where it is.
        const bool scrolls = hasAutoScroll();
        setAutoScroll(false);
        selectionModel()->setCurrentIndex(model()->index(selected, 0), QItemSelectionModel::NoUpdate);
        setAutoScroll(scrolls);
    }
}

void ListBox::OnSelectionChanged()
{
    if (changingFromCode_)
        return;
    const std::int16_t selected = ListIndex();
    clicks_.UserPicked(selected);
}

} // namespace menivor::qt
