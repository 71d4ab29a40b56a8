// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"
#include "window/datelists.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace menivor {

// The controls that the form's logic works on, as a toolkit layer built them from the layout
// table (window/layout.h). They outlive the form.
struct FormControls {
    std::array<ListControl*, 3> List1{};      // day, month and year lists
    TextControl* Text2 = nullptr;             // the date box
    std::array<TextControl*, 2> Text1{};      // the description box and the hidden quotation
    std::array<PictureControl*, 10> Picture1{}; // the cycle, the phases (hidden), the display
};

// The slots of the control arrays: Text1's description box (the quotation, 1, stays hidden), and
// Picture1's cycle and display; the phases' pictures are in the slots between (PictureSlotOf).
inline constexpr std::size_t DescriptionBox = 0;
inline constexpr std::size_t CycleSlot = 0;
inline constexpr std::size_t DisplaySlot = 9;

// The picture box that holds a phase's picture: the index + 1, so slots 1 to 8 for the phases.
// Throws ErrorKind::Overflow when the sum leaves 16 bits (phaseIndex 32767).
std::int16_t PictureSlotOf(std::int16_t phaseIndex);

// The form Menivor: pick a day, a month and a year, press "Изчисли", see the Moon's phase on that
// date as a picture and a one-line description. It opens on the clock's today, with today's
// phase already shown. The toolkit layer creates the controls, then this form, calls Load()
// before it shows the window, and passes on the events: a list's click handling and a press of
// the Calculate button. After each press that shows a result, the result (the phase's name and
// description) is announced once.
class Menivor {
public:
    Menivor(const FormControls& controls, const Clock& clock, ErrorReporter& errors, Announcer& announcer);

    void Load();                            // runs Form_Load
    void ListClicked(std::int16_t Index);   // runs List1_Click(Index)
    void CalculateClicked();                // runs Command1_Click

    std::int16_t phaseIndex() const { return PhaseIndex; }
    double cyclePosition() const { return CyclePosition; }

private:
    void Form_Load();
    void FillDateLists();
    void List1_Click(std::int16_t Index);
    void CalculatePhase();
    void Command1_Click();

    DateListArray DateLists() const;
    PictureControl& PictureAt(std::int16_t slot) const;

    // Runs an event handler. An error that escapes it is reported to the user, and the window's
    // values (date box, display, description, phase) are put back as they were before it ran, so
    // that the window stays usable and consistent. A handler run inside another one (a list's
    // click handling inside the load handling) leaves its errors to the outer one.
    // Returns whether it ran to its end.
    template <class Handler>
    bool RunHandler(Handler&& handler);

    FormControls controls_;
    const Clock& clock_;
    ErrorReporter& errors_;
    Announcer& announcer_;
    int handlerDepth_ = 0;

    // Window-level state: the phase found last (0-7) and the working value of its calculation,
    // which holds in turn the date value (days), the cycle count and the fraction of the cycle.
    std::int16_t PhaseIndex = 0;
    double CyclePosition = 0;
};

} // namespace menivor
