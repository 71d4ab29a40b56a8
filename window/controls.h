// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window's logic needs of the toolkit: lists, text boxes, picture boxes, a place to
// report an error, and today's date. Each toolkit layer (platform/qt, ...) implements these with
// its own controls; tests implement them in memory. Text is UTF-16 throughout, the toolkits' own
// form (QString inside, wchar_t on Windows), so that no text is converted on the way.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace menivor {

// A list of texts with at most one selected entry. Indices are 16-bit and count from 0; -1
// means "no entry".
//
// Contract shared by every implementation: SetListIndex runs the list's click handling at once,
// nested, and it has finished when SetListIndex returns; Clear and AddItem never run it. A user's
// pick of another entry runs it once; the user cannot remove a selection.
class ListControl {
public:
    virtual ~ListControl() = default;

    virtual void Clear() = 0;                             // removes every entry; selection becomes -1
    virtual void AddItem(std::u16string_view text) = 0;   // appends at the end, no sorting
    virtual std::int16_t ListCount() const = 0;
    virtual std::int16_t ListIndex() const = 0;           // the selected entry, -1 for none
    // Selects entry index, then runs the click handling. An index outside 0 to ListCount() - 1
    // is ErrorKind::InvalidPropertyValue, and the list is left as it was.
    void SetListIndex(std::int16_t index);
    // The text of entry index; "" for -1, ErrorKind::InvalidPropertyValue outside the entries.
    std::u16string List(std::int16_t index) const;

protected:
    // What a toolkit's list does for the two above, index in 0 to ListCount() - 1.
    virtual void SelectEntry(std::int16_t index) = 0; // selects it, then runs the click handling
    virtual std::u16string EntryText(std::int16_t index) const = 0;
};

// The error for an index outside a list's entries.
[[noreturn]] void ThrowBadListIndex(std::int16_t index, std::int16_t count);

// When a toolkit's list runs its click handling: every time code sets the selection, and once
// for each user's pick of another entry than the one the handling last ran for (toolkits also
// report a click on the entry already picked). Each toolkit layer's list keeps one.
class ListClicks {
public:
    void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    void Forget() { reported_ = -1; }               // the list was cleared
    void Run(std::int16_t selected)                 // code set the selection
    {
        reported_ = selected;
        if (handler_)
            handler_();
    }
    void UserPicked(std::int16_t selected)          // the user picked; -1 if nothing is selected
    {
        if (selected >= 0 && selected != reported_)
            Run(selected);
    }

private:
    std::function<void()> handler_;
    std::int16_t reported_ = -1; // the selection the handling last ran for
};

// A text box that the user can read, select and copy but not change; code sets it freely.
class TextControl {
public:
    virtual ~TextControl() = default;
    virtual std::u16string Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
};

// A decoded picture, as the toolkit keeps it. Shared by reference: two boxes that hold the same
// Picture show one object, not copies.
class Picture {
public:
    virtual ~Picture() = default;
};
using PictureRef = std::shared_ptr<const Picture>;

// The layer's own kind of picture behind a PictureRef (nullptr for none). A box shows only
// pictures of its own layer: any other is std::invalid_argument, and the box is left as it was.
template <class LayerPicture>
std::shared_ptr<const LayerPicture> PictureOfLayer(const PictureRef& picture)
{
    auto own = std::dynamic_pointer_cast<const LayerPicture>(picture);
    if (picture && !own)
        throw std::invalid_argument("a picture box shows only pictures of its own toolkit");
    return own;
}

// A framed box that shows a picture at its natural size and takes that size (plus its frame).
// Its accessible name is what a screen reader says of it.
class PictureControl {
public:
    virtual ~PictureControl() = default;
    virtual PictureRef GetPicture() const = 0;
    virtual void SetPicture(PictureRef picture) = 0;
    virtual std::u16string AccessibleName() const = 0;
    virtual void SetAccessibleName(std::u16string_view name) = 0;
};

// Where an error that escaped an event handler is shown to the user. Called after the window's
// values have been put back; the report may be shown later (after the handler has returned, or
// once the window is on the screen), but it must not run any handler of the window.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void ReportError(std::u16string_view message) = 0;
};

// Tells a result to a screen reader's user once, when it is on the screen, through the platform's
// accessibility (an announcement where the platform has one). For what appears where the user's
// focus is not: the focus stays on the button that was pressed.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void Announce(std::u16string_view text) = 0;
};

// Where today's date comes from: the platform's local calendar date; tests hand in a fixed one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::year_month_day Today() const = 0;
};

} // namespace menivor
