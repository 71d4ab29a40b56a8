// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes into the text and number conversions: each gives a result within its contract or
// the error kind it documents.

#include "phase/runtime_error.h"
#include "window/conversions.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <algorithm>

namespace {

void Expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

template <class Call>
void ExpectKind(menivor::ErrorKind kind, Call&& call)
{
    try {
        call();
    } catch (const menivor::RuntimeError& error) {
        Expect(error.kind() == kind);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t op = data[0] % 5;
    ++data, --size;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = menivor::Utf16Of(bytes);
    switch (op) {
    case 0: // the numeric value of a text
        ExpectKind(menivor::ErrorKind::Overflow, [&] {
            const double value = menivor::NumericValueOf(text);
            Expect(std::isfinite(value) && value >= 0 && value == std::floor(value));
            // Zero exactly when the leading ASCII digits are none or all zeros.
            std::size_t digits = 0;
            bool nonZero = false;
            while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9')
                nonZero |= text[digits++] != u'0';
            Expect((value == 0) == !nonZero);
        });
        break;
    case 1: { // a slice: position and count from the first two bytes
        if (size < 2)
            return 0;
        const std::ptrdiff_t start = std::int8_t(data[0]);
        const std::ptrdiff_t count = std::int8_t(data[1]);
        const std::u16string rest = menivor::Utf16Of(bytes.substr(2));
        ExpectKind(menivor::ErrorKind::InvalidPropertyValue, [&] {
            const std::u16string slice = menivor::SliceOf(rest, start, count);
            Expect(start >= 1 && count >= 0 && std::ptrdiff_t(slice.size()) <= count);
            Expect(std::u16string_view(rest).substr(std::min(rest.size(), std::size_t(start - 1))).starts_with(slice));
        });
        break;
    }
    case 2: { // a double to 16 bits, half to even
        if (size < sizeof(double))
            return 0;
        double value;
        std::memcpy(&value, data, sizeof value);
        ExpectKind(menivor::ErrorKind::Overflow, [&] {
            const std::int16_t rounded = menivor::ToInt16HalfEven(value);
            Expect(std::abs(rounded - value) <= 0.5);
            if (std::abs(rounded - value) == 0.5)
                Expect(rounded % 2 == 0);
        });
        break;
    }
    case 3: { // a whole number's text reads back as the number
        if (size < sizeof(int))
            return 0;
        int value;
        std::memcpy(&value, data, sizeof value);
        ExpectKind(menivor::ErrorKind::InvalidPropertyValue, [&] {
            const std::u16string digits = menivor::NumberText(value);
            Expect(value >= 0 && menivor::NumericValueOf(digits) == value);
            Expect(digits.size() == 1 || digits[0] != u'0');
        });
        break;
    }
    case 4: { // UTF-8 to UTF-16 and back: well-formed input comes back the same, any other
              // input comes back well-formed and stays so
        const std::string back = menivor::Utf8Of(text);
        Expect(menivor::Utf16Of(back) == text);
        Expect(menivor::Utf8Of(menivor::Utf16Of(back)) == back);
        Expect(back.size() <= 3 * bytes.size()); // U+FFFD, 3 bytes, stands for at least one byte
        break;
    }
    }
    return 0;
}
