// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace menivor {

// The operations that the date-list logic needs of a list of texts with at most one selected
// entry. Indices are 16-bit and count from 0; -1 means "no entry".
//
// Contract shared by every implementation: SetListIndex runs the list's click handling at once,
// nested, and it has finished when SetListIndex returns; Clear and AddItem never run it.
class ListControl {
public:
    virtual ~ListControl() = default;

    virtual void Clear() = 0;                          // removes every entry; selection becomes -1
    virtual void AddItem(const QString& text) = 0;     // appends at the end, no sorting
    virtual std::int16_t ListCount() const = 0;
    virtual std::int16_t ListIndex() const = 0;        // the selected entry, -1 for none
    // Selects entry index, then runs the click handling. An index outside 0 to ListCount() - 1
    // is ErrorKind::InvalidPropertyValue, and the list is left as it was.
    virtual void SetListIndex(std::int16_t index) = 0;
    // The text of entry index; "" for -1, ErrorKind::InvalidPropertyValue outside the entries.
    virtual QString List(std::int16_t index) const = 0;
};

// The error for an index outside a list's entries.
[[noreturn]] void ThrowBadListIndex(std::int16_t index, std::int16_t count);

} // namespace menivor
