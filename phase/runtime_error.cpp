// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/runtime_error.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace menivor {

std::string_view NameOf(ErrorKind kind) noexcept
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return "Несъответствие на типовете";
    case ErrorKind::Overflow: return "Препълване";
    case ErrorKind::InvalidPropertyValue: return "Невалидна стойност на свойство";
    case ErrorKind::FloatingPoint: return "Грешка при изчисление с плаваща запетая";
    }
    return "Грешка";
}

namespace {

std::string MessageOf(ErrorKind kind, std::string_view detail)
{
    std::string message(NameOf(kind));
    message += ": ";
    message += detail;
    return message;
}

} // namespace

RuntimeError::RuntimeError(ErrorKind kind, std::string_view detail)
    : std::runtime_error(MessageOf(kind, detail))
    , kind_(kind)
{
}

std::string NumberForMessage(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // 15 significant digits suffice for most doubles; 17 always read back the same. printf and
    // strtod agree on the C locale's decimal point, which becomes "." afterwards.
    char text[32];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    const std::string_view point = std::localeconv()->decimal_point;
    std::string result;
    for (std::string_view rest = text; !rest.empty();) {
        if (!point.empty() && rest.starts_with(point)) {
            result += '.';
            rest.remove_prefix(point.size());
        } else {
            result += rest.front();
            rest.remove_prefix(1);
        }
    }
    return result;
}

std::string Quoted(std::string_view input)
{
    constexpr std::size_t shownBytes = 40;
    constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "„";
    for (char c : input.substr(0, shownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    if (input.size() > shownBytes)
        out += "… (" + std::to_string(input.size()) + " байта)";
    out += "“";
    return out;
}

} // namespace menivor
