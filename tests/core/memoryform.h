// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// In-memory controls with the contracts of platform/controls.h, and the form Menivor built on
// them: the handlers run exactly as in a window, in microseconds and with no GUI toolkit.

#include "phase/runtime_error.h"
#include "platform/controls.h"
#include "platform/storedcontrols.h"
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
    void SetListIndex(std::int16_t index) override
    {
        if (index < 0 || index >= ListCount())
            menivor::ThrowBadListIndex(index, ListCount());
        index_ = index;
        ++clicks;
        if (onClick)
            onClick();
    }
    std::u16string List(std::int16_t index) const override
    {
        if (index == -1)
            return {};
        if (index < 0 || index >= ListCount())
            menivor::ThrowBadListIndex(index, ListCount());
        return entries_[std::size_t(index)];
    }

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

class FixedClock final : public menivor::Clock {
public:
    explicit FixedClock(std::chrono::year_month_day today) : today_(today) {}
    std::chrono::year_month_day Today() const override { return today_; }

private:
    std::chrono::year_month_day today_;
};

class FailingClock final : public menivor::Clock {
public:
    std::chrono::year_month_day Today() const override
    {
        throw menivor::RuntimeError(menivor::ErrorKind::InvalidPropertyValue, "часовникът не отговаря");
    }
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

// The form on in-memory controls, set up from the layout table as a toolkit layer does it: each
// picture box holds its picture (one object for each picture name), the text boxes their
// designed texts. Load() has run when the constructor returns.
class MemoryForm {
public:
    explicit MemoryForm(std::unique_ptr<menivor::Clock> clock) : clock_(std::move(clock))
    {
        menivor::FormControls controls;
        for (std::size_t i = 0; i < 3; ++i) {
            controls.List1[i] = &lists_[i];
            lists_[i].onClick = [this, i] { form_->ListClicked(std::int16_t(i)); };
        }
        controls.Text2 = &text2_;
        controls.Text1 = {&text1_[0], &text1_[1]};
        std::vector<std::shared_ptr<const NamedPicture>> pictures;
        for (const menivor::ControlDesign& design : menivor::Controls) {
            const auto index = std::size_t(std::max<std::int16_t>(design.index, 0));
            if (design.kind == menivor::ControlKind::PictureBox) {
                auto same = std::find_if(pictures.begin(), pictures.end(), [&](auto& p) { return p->name == design.text; });
                if (same == pictures.end())
                    same = pictures.insert(pictures.end(), std::make_shared<const NamedPicture>(design.text));
                pictures_[index].SetPicture(*same);
                controls.Picture1[index] = &pictures_[index];
            } else if (design.kind == menivor::ControlKind::TextBox && design.index >= 0) {
                text1_[index].SetText(design.text);
            }
        }
        form_.emplace(controls, *clock_, errors_, announcements_);
        form_->Load();
    }
    MemoryForm(const MemoryForm&) = delete;
    MemoryForm& operator=(const MemoryForm&) = delete;

    menivor::Menivor& form() { return *form_; }
    PlainList& list(std::size_t index) { return lists_.at(index); }
    menivor::StoredText& text2() { return text2_; }
    menivor::StoredText& description() { return text1_[0]; }
    menivor::StoredPicture& picture(std::size_t slot) { return pictures_.at(slot); }
    std::vector<std::u16string>& errors() { return errors_.messages; }
    std::vector<std::u16string>& announced() { return announcements_.texts; }

    // The picture name the display shows, and whether it is the very object of a phase's box.
    std::u16string displayed() { return static_cast<const NamedPicture&>(*pictures_[9].GetPicture()).name; }
    bool displayShows(std::size_t slot) { return pictures_[9].GetPicture() == pictures_.at(slot).GetPicture(); }

    // Picks a date as a user does (month, year, then day) and presses Calculate.
    void calculate(std::u16string_view day, std::u16string_view month, std::u16string_view year)
    {
        lists_[1].Pick(month);
        lists_[2].Pick(year);
        lists_[0].Pick(day);
        form_->CalculateClicked();
    }

private:
    std::unique_ptr<menivor::Clock> clock_;
    std::array<PlainList, 3> lists_;
    menivor::StoredText text2_;
    std::array<menivor::StoredText, 2> text1_;
    std::array<menivor::StoredPicture, 10> pictures_;
    CollectedErrors errors_;
    CollectedAnnouncements announcements_;
    std::optional<menivor::Menivor> form_;
};
