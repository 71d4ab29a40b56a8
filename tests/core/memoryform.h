// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// In-memory controls with the contracts of window/controls.h, and the form Menivor built on
// them by the form builder: the handlers run exactly as in a window, in microseconds and with no GUI toolkit.

#include "phase/runtime_error.h"
#include "tests/core/clocks.h"
#include "window/controls.h"
#include "window/formbuilder.h"
#include "window/storedcontrols.h"
#include "window/layout.h"
#include "window/menivor.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class PlainList final : public menivor::ListControl {
public:
    std::function<void()> onClick;
    int clicks = 0; // how often the click handling ran

    void Clear() override
    {
        entries_.clear();
        index_ = -1;
    }
    void AddItem(std::u16string_view text) override { entries_.emplace_back(text); }
    std::int16_t ListCount() const override { return std::int16_t(entries_.size()); }
    std::int16_t ListIndex() const override { return index_; }
    void SelectEntry(std::int16_t index) override
    {
        index_ = index;
        ++clicks;
        if (onClick)
            onClick();
    }
    std::u16string EntryText(std::int16_t index) const override { return entries_[std::size_t(index)]; }

    // What a user's pick of the entry that shows text does: selects it, running the click
    // handling, unless it is already selected (a click on the selected entry is no new pick).
    void Pick(std::u16string_view text)
    {
        const auto found = std::find(entries_.begin(), entries_.end(), text);
        if (found == entries_.end())
            throw std::invalid_argument("no such entry");
        const auto index = std::int16_t(found - entries_.begin());
        if (index != index_)
            SetListIndex(index);
    }
    std::u16string Selected() const { return List(index_); }
    const std::vector<std::u16string>& Entries() const { return entries_; }
    std::vector<std::u16string>& Entries() { return entries_; } // to plant a broken entry

private:
    std::vector<std::u16string> entries_;
    std::int16_t index_ = -1;
};

struct NamedPicture final : menivor::Picture {
    explicit NamedPicture(std::u16string_view pictureName) : name(pictureName) {}
    std::u16string name; // "cycle", "phase0", ...
};

class CollectedErrors final : public menivor::ErrorReporter {
public:
    std::vector<std::u16string> messages;
    void ReportError(std::u16string_view message) override { messages.emplace_back(message); }
};

class CollectedAnnouncements final : public menivor::Announcer {
public:
    std::vector<std::u16string> texts;
    void Announce(std::u16string_view text) override { texts.emplace_back(text); }
};

// The controls a toolkit layer would make, in memory: each shown row of the layout table becomes
// a plain list, a stored text or a stored picture; pictures are named objects. Records which rows
// it was asked to make, in order.
class MemoryFactory final : public menivor::ControlFactory {
public:
    std::vector<std::u16string> made; // the rows' names, in the order made
    std::vector<menivor::PixelBox> places;

    void MakeLabel(const menivor::ControlDesign& design, menivor::PixelBox place) override { Record(design, place); }
    menivor::ListControl& MakeList(const menivor::ControlDesign& design, menivor::PixelBox place,
                                   std::function<void()> clicked) override
    {
        Record(design, place);
        PlainList& list = lists.at(std::size_t(design.index));
        list.onClick = std::move(clicked);
        return list;
    }
    menivor::TextControl& MakeTextBox(const menivor::ControlDesign& design, menivor::PixelBox place) override
    {
        Record(design, place);
        return *texts.emplace_back(std::make_unique<menivor::StoredText>());
    }
    void MakeButton(const menivor::ControlDesign& design, menivor::PixelBox place, std::function<void()> pressed) override
    {
        Record(design, place);
        press = std::move(pressed);
    }
    menivor::PictureControl& MakePictureBox(const menivor::ControlDesign& design, menivor::PixelBox place) override
    {
        Record(design, place);
        return *pictures.emplace_back(std::make_unique<menivor::StoredPicture>());
    }
    menivor::PictureRef LoadPicture(std::u16string_view name) override
    {
        ++picturesLoaded;
        return std::make_shared<const NamedPicture>(name);
    }

    std::array<PlainList, 3> lists;
    std::vector<std::unique_ptr<menivor::StoredText>> texts;
    std::vector<std::unique_ptr<menivor::StoredPicture>> pictures;
    std::function<void()> press; // the button's
    int picturesLoaded = 0;

private:
    void Record(const menivor::ControlDesign& design, menivor::PixelBox place)
    {
        made.push_back(menivor::ControlName(design));
        places.push_back(place);
    }
};

// The form on in-memory controls, built from the layout table as a toolkit layer builds it.
// Load() has run when the constructor returns.
class MemoryForm {
public:
    explicit MemoryForm(std::unique_ptr<menivor::Clock> clock)
        : clock_(std::move(clock))
        , built_(factory_, 96, *clock_, errors_, announcements_)
    {
        built_.Load();
    }
    MemoryForm(const MemoryForm&) = delete;
    MemoryForm& operator=(const MemoryForm&) = delete;

    const menivor::Menivor& form() const { return built_.Form(); }
    const MemoryFactory& factory() const { return factory_; }
    const menivor::FormControls& controls() const { return built_.Controls(); }
    PlainList& list(std::size_t index) { return factory_.lists.at(index); }
    menivor::TextControl& text2() { return *controls().Text2; }
    menivor::TextControl& description() { return *controls().Text1[menivor::DescriptionBox]; }
    menivor::PictureControl& picture(std::size_t slot) { return *controls().Picture1.at(slot); }
    std::vector<std::u16string>& errors() { return errors_.messages; }
    std::vector<std::u16string>& announced() { return announcements_.texts; }
    void press() { factory_.press(); } // the button, as a click gives it

    // The picture name the display shows, and whether it is the very object of a phase's box.
    std::u16string displayed() { return static_cast<const NamedPicture&>(*picture(9).GetPicture()).name; }
    bool displayShows(std::size_t slot) { return picture(9).GetPicture() == picture(slot).GetPicture(); }

    // Picks a date as a user does (month, year, then day) and presses Calculate.
    void calculate(std::u16string_view day, std::u16string_view month, std::u16string_view year)
    {
        list(1).Pick(month);
        list(2).Pick(year);
        list(0).Pick(day);
        press();
    }

private:
    std::unique_ptr<menivor::Clock> clock_;
    MemoryFactory factory_;
    CollectedErrors errors_;
    CollectedAnnouncements announcements_;
    menivor::BuiltForm built_;
};
