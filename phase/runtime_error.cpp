// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/runtime_error.h"

#include <charconv>

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
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
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
