// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/conversions.h"

#include "phase/runtime_error.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace menivor {

namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += char16_t(c);
    } else {
        c -= 0x10000;
        out += char16_t(0xD800 | (c >> 10));
        out += char16_t(0xDC00 | (c & 0x3FF));
    }
}

std::u16string Ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace

std::u16string SliceOf(std::u16string_view text, std::ptrdiff_t start, std::ptrdiff_t count)
{
    if (start < 1 || count < 0)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           "част от текст от позиция " + std::to_string(start) + " с дължина "
                               + std::to_string(count));
    if (start > std::ptrdiff_t(text.size()))
        return {};
    return std::u16string(text.substr(std::size_t(start - 1), std::size_t(count)));
}

double NumericValueOf(std::u16string_view text)
{
    // Only ASCII digits count, one char for each UTF-16 unit.
    std::string digits;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            break;
        digits += char(c);
    }
    if (digits.empty())
        return 0;
    // Digits alone read the same in every locale (no sign, no decimal point, no grouping), and
    // strtod rounds them correctly; past the double range it gives HUGE_VAL and ERANGE.
    errno = 0;
    const double value = std::strtod(digits.c_str(), nullptr);
    if (errno == ERANGE || !std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow,
                           "числото от " + std::to_string(digits.size()) + " цифри е твърде голямо");
    return value;
}

std::u16string NumberText(int value)
{
    if (value < 0)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           "отрицателното число " + std::to_string(value) + " няма запис без знак");
    return Ascii(std::to_string(value));
}

std::int16_t ToInt16HalfEven(double value)
{
    double rounded = std::floor(value);
    const double rest = value - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0))
        rounded += 1;
    if (!(rounded >= -32768 && rounded <= 32767)) // also false for NaN
        throw RuntimeError(ErrorKind::Overflow, NumberForMessage(value) + " е извън обхвата -32768 до 32767");
    return static_cast<std::int16_t>(rounded);
}

std::u16string DateTextOf(std::chrono::year_month_day date)
{
    const int year = int(date.year());
    if (!date.ok() || year < 1 || year > 9999)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           "датата " + std::to_string(year) + "-" + std::to_string(unsigned(date.month())) + "-"
                               + std::to_string(unsigned(date.day())) + " е извън годините 1 до 9999");
    const auto padded = [](unsigned value, std::size_t width) {
        std::string digits = std::to_string(value);
        return Ascii(std::string(width - std::min(width, digits.size()), '0') + digits);
    };
    return padded(unsigned(date.month()), 2) + u'-' + padded(unsigned(date.day()), 2) + u'-'
         + padded(unsigned(year), 4);
}

std::string Utf8Of(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        char32_t c = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[++i]) - 0xDC00);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            c = Replacement; // a lone surrogate
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::u16string Utf16Of(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // The length of the sequence and the smallest code point it may encode (no overlong forms).
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                 : (lead >> 3) == 0x1E ? 4 : 0;
        constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool ok = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; ok && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        ok = ok && c >= Smallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        AppendUtf16(out, ok ? c : Replacement);
        i += ok ? length : 1;
    }
    return out;
}

} // namespace menivor
