// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/formbuilder.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>

namespace menivor {

namespace {

// A row's place in its control array: 0 for a single control (index -1).
std::size_t SlotOf(const ControlDesign& design)
{
    return std::size_t(std::max<std::int16_t>(design.index, 0));
}

// The rows in the order of the Tab key (a toolkit's keyboard navigation follows the order in
// which its controls are made).
std::array<std::size_t, std::tuple_size_v<decltype(Controls)>> TabOrder()
{
    std::array<std::size_t, std::tuple_size_v<decltype(Controls)>> order{};
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [](std::size_t a, std::size_t b) { return Controls[a].tabIndex < Controls[b].tabIndex; });
    return order;
}

} // namespace

BuiltForm::BuiltForm(ControlFactory& factory, int dotsPerInch, const Clock& clock, ErrorReporter& errors,
                     Announcer& announcer)
{
    for (std::size_t row : TabOrder()) {
        const ControlDesign& design = menivor::Controls[row];
        if (design.shown)
            Make(factory, design, dotsPerInch);
        else
            Store(design);
    }
    SetDesignedContents(factory);
    form_.emplace(controls_, clock, errors, announcer);
}

void BuiltForm::Make(ControlFactory& factory, const ControlDesign& design, int dotsPerInch)
{
    const PixelBox place = PixelBoxOf(design, dotsPerInch);
    const std::size_t slot = SlotOf(design);
    switch (design.kind) {
    case ControlKind::Label:
        factory.MakeLabel(design, place);
        break;
    case ControlKind::ListBox:
        controls_.List1.at(slot) =
            &factory.MakeList(design, place, [this, index = design.index] { form_->ListClicked(index); });
        break;
    case ControlKind::TextBox:
        (design.index < 0 ? controls_.Text2 : controls_.Text1.at(slot)) = &factory.MakeTextBox(design, place);
        break;
    case ControlKind::CommandButton:
        factory.MakeButton(design, place, [this] { form_->CalculateClicked(); });
        break;
    case ControlKind::PictureBox:
        controls_.Picture1.at(slot) = &factory.MakePictureBox(design, place);
        break;
    }
}

void BuiltForm::Store(const ControlDesign& design)
{
    // Only values the form reads and writes can be kept without a control: the phase pictures'
    // boxes and the hidden quotation.
    if (design.kind == ControlKind::PictureBox)
        controls_.Picture1.at(SlotOf(design)) = storedPictures_.emplace_back(std::make_unique<StoredPicture>()).get();
    else if (design.kind == ControlKind::TextBox && design.index >= 0)
        controls_.Text1.at(SlotOf(design)) = storedTexts_.emplace_back(std::make_unique<StoredText>()).get();
    else
        throw std::logic_error("a hidden control of a kind that cannot be stored");
}

void BuiltForm::SetDesignedContents(ControlFactory& factory)
{
    for (const ControlDesign& design : menivor::Controls) {
        if (design.kind == ControlKind::TextBox && design.index >= 0) {
            controls_.Text1.at(SlotOf(design))->SetText(design.text);
        } else if (design.kind == ControlKind::PictureBox) {
            auto found = pictures_.find(design.text);
            if (found == pictures_.end())
                found = pictures_.emplace(design.text, factory.LoadPicture(design.text)).first;
            controls_.Picture1.at(SlotOf(design))->SetPicture(found->second);
        }
    }
}

} // namespace menivor
