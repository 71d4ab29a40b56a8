// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls.h"

#include "phase/runtime_error.h"

#include <string>

namespace menivor {

void ThrowBadListIndex(std::int16_t index, std::int16_t count)
{
    throw RuntimeError(ErrorKind::InvalidPropertyValue,
                       "индекс " + std::to_string(index) + " е извън списък с "
                           + std::to_string(count) + " елемента");
}

void ListControl::SetListIndex(std::int16_t index)
{
    if (index < 0 || index >= ListCount())
        ThrowBadListIndex(index, ListCount());
    SelectEntry(index);
}

std::u16string ListControl::List(std::int16_t index) const
{
    if (index == -1)
        return {};
    if (index < 0 || index >= ListCount())
        ThrowBadListIndex(index, ListCount());
    return EntryText(index);
}

} // namespace menivor
