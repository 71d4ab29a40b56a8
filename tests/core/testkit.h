// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the core's tests share: UTF-16 texts shown readably in failures, and the error kind a
// call throws.

#include "phase/runtime_error.h"
#include "window/conversions.h"

#include <doctest/doctest.h>

#include <optional>
#include <string>

namespace doctest {
template <>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string& text) { return ("u\"" + menivor::Utf8Of(text) + "\"").c_str(); }
};
} // namespace doctest

// The kind of the RuntimeError that call throws; no value when it throws none.
template <class Call>
std::optional<menivor::ErrorKind> KindThrownBy(Call&& call)
{
    try {
        call();
    } catch (const menivor::RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}
