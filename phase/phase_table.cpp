// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/phase_table.h"


#include <array>

namespace menivor {

namespace {

constexpr std::array<std::string_view, PhaseCount> Descriptions = {
    "Новолуние - Луната е обърната с тъмната си страна към Земята",
    "Нарастване - дясна осветена част полумесец-сърп буква З",
    "Нарастване - дясна осветена част първа четвърт",
    "Нарастване - полупълна, дясна осветена част, три четвърти видими",
    "Пълнолуние - Земята е между Луната и Слънцето",
    "Намаляване - полупълна, лява осветена част, три четвърти видими",
    "Намаляване - лява осветена част, стара луна, последна четвърт",
    "Намаляване - лява осветена част полумесец-сърп буква С",
};

constexpr std::array<std::string_view, PhaseCount> Names = {
    "Новолуние",       "Нарастващ сърп",  "Първа четвърт",    "Нарастваща Луна",
    "Пълнолуние",      "Намаляваща Луна", "Последна четвърт", "Намаляващ сърп",
};

std::optional<std::string_view> RowOf(const std::array<std::string_view, PhaseCount>& column,
                                      std::int16_t phaseIndex) noexcept
{
    if (phaseIndex < 0 || phaseIndex >= PhaseCount)
        return std::nullopt;
    return column[static_cast<std::size_t>(phaseIndex)];
}

} // namespace

std::optional<std::string_view> DescriptionOf(std::int16_t phaseIndex) noexcept
{
    return RowOf(Descriptions, phaseIndex);
}

std::optional<std::string_view> PhaseNameOf(std::int16_t phaseIndex) noexcept
{
    return RowOf(Names, phaseIndex);
}

} // namespace menivor
