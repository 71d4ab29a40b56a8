// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/boxes.h"
#include "platform/clock.h"
#include "platform/listbox.h"
#include "window/datelists.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <cstdint>

namespace menivor {

// The program's one window: pick a day, a month and a year, press "Изчисли", see the Moon's phase
// on that date as a picture and a one-line description. It opens on the clock's today, with
// today's phase already shown. Every size is in device-independent pixels (15 twips each).
class Menivor : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its load handling; show() it afterwards.
    explicit Menivor(const Clock& clock, QWidget* parent = nullptr);

    std::int16_t phaseIndex() const { return PhaseIndex; }
    double cyclePosition() const { return CyclePosition; }

    static constexpr int ClientWidth = 464;  // pixels
    static constexpr int ClientHeight = 424; // pixels

private:
    void Form_Load();
    void FillDateLists();
    void List1_Click(std::int16_t Index);
    void CalculatePhase();
    void Command1_Click();

    void BuildControls();
    DateListArray DateLists() const; // List1 as the date-list logic takes it
    PictureBox& PictureAt(std::int16_t slot);

    // Runs an event handler. An error that escapes it is shown to the user, and the window's
    // values (date box, display, description, phase) are put back as they were before it ran, so
    // that the window stays usable and consistent. A handler run inside another one (a list's
    // click handling inside the load handling) leaves its errors to the outer one.
    template <class Handler>
    void RunHandler(Handler&& handler);
    void ReportError(const QString& message);

    const Clock& clock_;
    int handlerDepth_ = 0;

    // Window-level state: the phase found last (0-7) and the working value of its calculation,
    // which holds in turn the date value (days), the cycle count and the fraction of the cycle.
    std::int16_t PhaseIndex = 0;
    double CyclePosition = 0;

    std::array<QLabel*, 1> Label1{};
    std::array<QLabel*, 3> Label2{};
    std::array<ListBox*, 3> List1{};
    LineBox* Text2 = nullptr;
    ColourButton* Command1 = nullptr;
    std::array<PictureBox*, 10> Picture1{}; // 0 the cycle, 1-8 the phases (hidden), 9 the display
    std::array<TextBox*, 2> Text1{};
};

} // namespace menivor
