// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/core/testkit.h"
#include "window/designed_texts.h"
#include "window/layout.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace menivor;

namespace {

// The contrast ratio of two colours, 1 to 21, by the relative luminance of sRGB colours: 4.5 or
// more keeps text readable for weak eyes and on a washed-out projector.
double ContrastRatio(Colour a, Colour b)
{
    const auto luminance = [](Colour c) {
        const auto linear = [](std::uint8_t channel) {
            const double v = channel / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST_SUITE("layout table") {

TEST_CASE("21 controls under seven names, each name once, tab indices 0 to 20")
{
    std::set<std::u16string> names;
    std::set<int> tabs;
    for (const ControlDesign& control : Controls) {
        names.insert(ControlName(control));
        tabs.insert(control.tabIndex);
    }
    CHECK(Controls.size() == 21);
    CHECK(names.size() == 21);
    CHECK(tabs.size() == 21);
    CHECK(*tabs.begin() == 0);
    CHECK(*tabs.rbegin() == 20);
    CHECK(names.count(u"List1(0)") == 1);
    CHECK(names.count(u"Text2") == 1);
    CHECK(names.count(u"Command1") == 1);
    CHECK(names.count(u"Picture1(9)") == 1);
}

TEST_CASE("kinds, visibility and pictures by name")
{
    for (const ControlDesign& control : Controls) {
        const std::u16string name = ControlName(control);
        INFO(Utf8Of(name));
        const bool phasePicture = control.name == u"Picture1" && control.index >= 1 && control.index <= 8;
        CHECK(control.shown == !(phasePicture || name == u"Text1(1)"));
        if (control.name == u"Picture1") {
            CHECK(control.kind == ControlKind::PictureBox);
            const std::u16string expected = control.index == 0 ? u"cycle"
                                          : control.index == 9 ? u"phase1" // the display's first picture
                                                               : u"phase" + NumberText(control.index - 1);
            CHECK(control.text == expected);
        } else if (control.name == u"List1") {
            CHECK(control.kind == ControlKind::ListBox);
            CHECK(!control.accessibleName.empty());
        } else if (control.name == u"Label1" || control.name == u"Label2") {
            CHECK(control.kind == ControlKind::Label);
        }
        // Every control that is shown lies inside the client area.
        if (control.shown) {
            CHECK(control.left + control.width <= Form.clientWidth);
            CHECK(control.top + control.height <= Form.clientHeight);
        }
    }
}

TEST_CASE("twips to pixels")
{
    CHECK(PixelsOf(Form.clientWidth) == 464);
    CHECK(PixelsOf(Form.clientHeight) == 424);
    CHECK(PixelsOf(750) == 50);
    CHECK(PixelsOf(840) == 56);
    CHECK(PixelsOf(6960, 144) == 696); // at 150 %
    CHECK(PixelsOf(15, 192) == 2);
}

TEST_CASE("text size in pixels, rounded to the nearest")
{
    const struct {
        int points, dotsPerInch, pixels;
    } rows[] = {
        {12, 96, 16}, {12, 120, 20}, {12, 144, 24}, {12, 192, 32},
        {12, 110, 18}, // 18.33 rounds down
        {12, 117, 20}, // 19.5 rounds up
        {12, 0, 0},
    };
    for (const auto& row : rows) {
        INFO(row.points << " points at " << row.dotsPerInch << " dpi");
        CHECK(FontPixelsOf(row.points, row.dotsPerInch) == row.pixels);
    }
    CHECK(FontPixelsOf(Form.fontPoints) == 16);
}

TEST_CASE("the designed texts: seven and three lines, each ending with CR LF")
{
    const auto lines = [](std::u16string_view text) { return std::count(text.begin(), text.end(), u'\n'); };
    CHECK(lines(ReadingText) == 7);
    CHECK(lines(QuotationText) == 3);
    CHECK(ReadingText.ends_with(u".\r\n"));
    CHECK(QuotationText.ends_with(u"било. \r\n"));
    CHECK(std::count(ReadingText.begin(), ReadingText.end(), u'\r') == 7);
}

TEST_CASE("every text stands out from its face, and the focus frame from the window")
{
    CHECK(ContrastRatio({0, 0, 0}, {255, 255, 255}) == doctest::Approx(21));
    CHECK(ContrastRatio({255, 255, 255}, {255, 255, 255}) == doctest::Approx(1));
    const struct {
        const char* name;
        Colour text, face;
    } pairs[] = {
        {"window", Form.textColour, Form.backColour},
        {"labels", Form.textColour, Form.labelColour},
        {"button", Form.textColour, Form.buttonColour},
        {"lists and boxes", Form.textColour, Form.fieldColour},
        {"picked entry", Form.selectedTextColour, Form.selectionColour},
    };
    for (const auto& pair : pairs) {
        INFO(pair.name);
        CHECK(ContrastRatio(pair.text, pair.face) >= 4.5);
    }
    // The frame lies on the window's face, around white lists and boxes and the green button.
    CHECK(ContrastRatio(Form.focusColour, Form.backColour) >= 4.5);
    CHECK(ContrastRatio(Form.focusColour, Form.fieldColour) >= 4.5);
    CHECK(ContrastRatio(Form.focusColour, Form.buttonColour) >= 3);
    CHECK(Form.focusFrameWidth >= 2);
}

} // TEST_SUITE
