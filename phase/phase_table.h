// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What belongs to each of the eight phase indices (0 new moon ... 7 waning crescent).

namespace menivor {

inline constexpr std::int16_t PhaseCount = 8;

// The phase's one-line Bulgarian description (UTF-8); no value for an index outside 0 to 7.
std::optional<std::string_view> DescriptionOf(std::int16_t phaseIndex) noexcept;

// The phase's short Bulgarian name (UTF-8), distinct for each phase, for screen readers:
// "Новолуние", "Нарастващ сърп", ..., "Пълнолуние", ...; no value outside 0 to 7.
std::optional<std::string_view> PhaseNameOf(std::int16_t phaseIndex) noexcept;

} // namespace menivor
