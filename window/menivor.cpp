// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/menivor.h"

#include "phase/phase.h"
#include "phase/phase_table.h"
#include "phase/runtime_error.h"
#include "window/conversions.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <stdexcept>

namespace menivor {

std::int16_t PictureSlotOf(std::int16_t phaseIndex)
{
    if (phaseIndex == std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrorKind::Overflow, "номерът на картината е извън 16 бита");
    return static_cast<std::int16_t>(phaseIndex + 1);
}

Menivor::Menivor(const FormControls& controls, const Clock& clock, ErrorReporter& errors, Announcer& announcer)
    : controls_(controls)
    , clock_(clock)
    , errors_(errors)
    , announcer_(announcer)
{
    for (auto* control : controls_.List1)
        if (!control)
            throw std::invalid_argument("Menivor: a date list is missing");
    if (!controls_.Text2 || !controls_.Text1[DescriptionBox])
        throw std::invalid_argument("Menivor: a text box is missing");
    for (auto* control : controls_.Picture1)
        if (!control)
            throw std::invalid_argument("Menivor: a picture box is missing");
    // A screen reader names each phase picture after its phase; the display takes the name of
    // the picture it shows.
    for (std::int16_t phase = 0; phase < PhaseCount; ++phase)
        PictureAt(PictureSlotOf(phase)).SetAccessibleName(Utf16Of(PhaseNameOf(phase).value()));
}

void Menivor::Load()
{
    RunHandler([this] { Form_Load(); });
}

void Menivor::ListClicked(std::int16_t Index)
{
    RunHandler([this, Index] { List1_Click(Index); });
}

void Menivor::CalculateClicked()
{
    // The new picture and description are where the focus is not (it stays on the button): a
    // screen reader's user hears them once, after the press. A press that failed shows its error
    // instead, and the window as it was.
    if (RunHandler([this] { Command1_Click(); }))
        announcer_.Announce(Utf16Of(PhaseNameOf(PhaseIndex).value_or("")) + u". "
                            + Utf16Of(DescriptionOf(PhaseIndex).value_or("")));
}

template <class Handler>
bool Menivor::RunHandler(Handler&& handler)
{
    if (handlerDepth_ > 0) {
        handler();
        return true;
    }
    PictureControl& display = *controls_.Picture1[DisplaySlot];
    const std::u16string text2 = controls_.Text2->Text();
    const std::u16string text1 = controls_.Text1[DescriptionBox]->Text();
    const PictureRef picture = display.GetPicture();
    const std::u16string displayName = display.AccessibleName();
    const std::int16_t phaseIndex = PhaseIndex;
    const double cyclePosition = CyclePosition;
    ++handlerDepth_;
    try {
        handler();
        --handlerDepth_;
        return true;
    } catch (const std::exception& error) {
        --handlerDepth_;
        controls_.Text2->SetText(text2);
        if (controls_.Text1[DescriptionBox]->Text() != text1)
            controls_.Text1[DescriptionBox]->SetText(text1);
        display.SetPicture(picture);
        display.SetAccessibleName(displayName);
        PhaseIndex = phaseIndex;
        CyclePosition = cyclePosition;
        errors_.ReportError(Utf16Of(error.what()));
        return false;
    }
}

PictureControl& Menivor::PictureAt(std::int16_t slot) const
{
    if (slot < 0 || slot >= std::int16_t(controls_.Picture1.size()))
        ThrowBadListIndex(slot, std::int16_t(controls_.Picture1.size()));
    return *controls_.Picture1[std::size_t(slot)];
}

DateListArray Menivor::DateLists() const
{
    return controls_.List1;
}

void Menivor::FillDateLists()
{
    menivor::FillDateLists(DateLists());
}

void Menivor::List1_Click(std::int16_t Index)
{
    DateListClick(DateLists(), Index);
}

void Menivor::Form_Load()
{
    const auto& List1 = controls_.List1;
    TextControl& Text2 = *controls_.Text2;
    FillDateLists();
    Text2.SetText(DateTextOf(clock_.Today()));
    CalculatePhase();
    const double monthIndex = NumericValueOf(SliceOf(Text2.Text(), 1, 2)) - 1;
    const double dayIndex = NumericValueOf(SliceOf(Text2.Text(), 4, 2)) - 1;
    const double yearIndex = NumericValueOf(SliceOf(Text2.Text(), 7, 4)) - FirstYear;
    List1[MonthList]->SetListIndex(ToInt16HalfEven(monthIndex));
    // A today outside the lists' years opens on the nearest year they offer, and on today's day
    // clamped to the month's length in that year (29 February 2080 opens on 28 February 2079).
    List1[YearList]->SetListIndex(ToInt16HalfEven(std::clamp(yearIndex, 0.0, double(LastYear - FirstYear))));
    List1[DayList]->SetListIndex(ToInt16HalfEven(std::min(dayIndex, List1[DayList]->ListCount() - 1.0)));
}

void Menivor::CalculatePhase()
{
    CyclePosition = DateValueOfText(Utf8Of(controls_.Text2->Text()));
    CyclePosition = CycleCountOf(CyclePosition);
    CyclePosition = CycleFractionOf(CyclePosition);
    PhaseIndex = PhaseIndexOfFraction(CyclePosition);
    const PictureControl& phasePicture = PictureAt(PictureSlotOf(PhaseIndex));
    PictureControl& display = *controls_.Picture1[DisplaySlot];
    display.SetPicture(phasePicture.GetPicture());
    display.SetAccessibleName(phasePicture.AccessibleName());
}

void Menivor::Command1_Click()
{
    const auto& List1 = controls_.List1;
    std::u16string dateText;
    dateText += List1[MonthList]->List(List1[MonthList]->ListIndex());
    dateText += u'-';
    std::int16_t dayIndex = List1[DayList]->ListIndex();
    if (dayIndex < 0) { // no day picked since the last month or year: day 1, shown as picked
        dayIndex = 0;
        List1[DayList]->SetListIndex(0);
    }
    dateText += List1[DayList]->List(dayIndex);
    dateText += u'-';
    dateText += List1[YearList]->List(List1[YearList]->ListIndex());
    controls_.Text2->SetText(dateText);
    CalculatePhase();
    if (const auto description = DescriptionOf(PhaseIndex))
        controls_.Text1[DescriptionBox]->SetText(Utf16Of(*description));
}

} // namespace menivor
