// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace menivor {

// The four ways in which the program's conversions and property accesses can fail.
enum class ErrorKind {
    TypeMismatch,         // a text that names no date (or no number) where one is needed
    Overflow,             // a number outside the range of its target type
    InvalidPropertyValue, // a list index outside the list's entries, and the like
    FloatingPoint,        // a NaN or infinite value in the phase arithmetic
};

// The Bulgarian name of a kind, as the user sees it in an error message.
std::string_view NameOf(ErrorKind kind) noexcept;

// The program's run-time error. what() is a complete Bulgarian sentence for the user:
// the kind's name, then the detail, e.g. "Несъответствие на типовете: „2-31-2014“ не е дата".
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, std::string_view detail);
    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

// Quotes an input for an error message: printable ASCII stays, every other byte becomes \xNN,
// and an input longer than 40 bytes is cut, with its length in bytes added.
std::string Quoted(std::string_view input);

// A number as the shortest text that reads back as the same double ("nan", "inf" included),
// whatever the locale, for error messages.
std::string NumberForMessage(double value);

} // namespace menivor
