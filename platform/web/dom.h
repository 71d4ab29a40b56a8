// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page's elements as C++ reaches them (through dom.js): each element by its id, which is the
// control's name ("List1(0)", "Text2"). Text is UTF-16, as in the page and in the form.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace menivor::web {

// The viewport's size in CSS pixels, device pixels to a CSS pixel, and whether the main pointer
// is coarse (a finger on a touch screen) rather than fine (a mouse, a pen).
struct Viewport {
    double width, height, devicePixelRatio;
    bool coarsePointer;
};

class Element {
public:
    // Makes an element of the tag with the id, the last child of parent (nullptr: the body).
    static Element Make(std::u16string_view tag, std::u16string id, const Element* parent);
    // An element that the page has already, by its id (the empty id: the page's body); nothing
    // is made or looked up until used.
    static Element ById(std::u16string id) { return Element(std::move(id)); }

    const std::u16string& Id() const { return id_; }
    void SetAttribute(std::u16string_view name, std::u16string_view value) const;
    void SetStyle(std::u16string_view property, std::u16string_view value) const;
    void SetText(std::u16string_view text) const;  // the element's text content
    void SetValue(std::u16string_view text) const; // a text box's value
    std::u16string Text() const;
    std::u16string Value() const;
    void Focus() const;
    void Remove() const; // nothing if the page has no such element

    // A list box of the page's own (lists.js): this element becomes one, empty. Its entries, with
    // the selection as code sets it (firing no event); a user's pick fires one "change".
    void MakeListBox() const;
    void AddEntry(std::u16string_view text) const;
    void ClearEntries() const;
    int EntryCount() const;
    int SelectedEntry() const; // -1 for none
    void SelectEntry(int index) const;
    std::u16string EntryText(int index) const;
    void SetRowsInView(int rows) const; // whole entries in view, the picked one among them

    void ShowModal() const; // a <dialog>, unless it is open
    void Close() const;     // a <dialog>
    // A stored picture ("cycle", "phase0") in this <img>, drawn at twice the size where dense.
    void ShowPicture(std::u16string_view name, bool dense) const;

private:
    explicit Element(std::u16string id) : id_(std::move(id)) {}

    std::u16string Read(int what, int index) const;

    std::u16string id_;
};

// Runs a handler on each event of a type at an element, or at the page's window (target nullptr):
// "resize", and "density" for a change of the device pixels to a CSS pixel.
// The page calls back into the handler as long as it lives: keep it as long as the element.
class Listener {
public:
    Listener(const Element* target, std::u16string_view type, std::function<void()> handler);
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    void Run() const { handler_(); }

private:
    std::function<void()> handler_;
};

Viewport ViewportOfPage();
void SetPageTitle(std::u16string_view title);
// The device's local calendar date.
std::chrono::year_month_day LocalDate();
// A stored picture's size in pixels, if the page has it.
std::optional<std::pair<int, int>> StoredPictureSize(std::u16string_view name);

} // namespace menivor::web
