// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window Menivor as designed: every control with its kind, name, place and size, tab index,
// visibility, designed text or picture, and what a screen reader says of it; the window's
// caption, size, colours and font. Each toolkit layer builds its window from these tables.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace menivor {

// Layout unit: 1/1440 inch, 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerInch = 1440;

// A length in twips as pixels at the given dots per inch (96 for a pixel of 1/96 inch),
// rounded down as the window's design assumes (it is laid out in whole pixels at 96 dpi).
constexpr int PixelsOf(int twips, int dotsPerInch = 96)
{
    return twips * dotsPerInch / TwipsPerInch;
}

struct Colour {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(Colour, Colour) = default;
};

enum class ControlKind { Label, ListBox, TextBox, CommandButton, PictureBox };

// The kinds that take the keyboard focus (and so a place in the Tab order): lists, text boxes
// and buttons; labels and pictures only show.
constexpr bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::ListBox || kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

// How a text box shows its text: on one line, centred and scrolled sideways (the date box), or
// wrapped and scrolled down.
enum class TextLines { One, Wrapped };

struct ControlDesign {
    ControlKind kind;
    std::u16string_view name; // the control's name: List1, Text2, ...
    std::int16_t index;       // its index in the control array; -1 for a single control
    int left, top, width, height; // twips, from the client area's top-left corner
    int tabIndex;             // the order of the Tab key, lowest first; hidden items are skipped
    bool shown;               // false: hidden for the whole life of the window
    // The caption or designed text; for a picture box, the name of its picture: "cycle", or
    // "phase0" to "phase7" (stored with the program, and each drawn at twice the size as well).
    std::u16string_view text;
    std::u16string_view accessibleName;        // empty: a label's caption speaks for itself
    std::u16string_view accessibleDescription;
    TextLines lines = TextLines::One; // a text box's; every other kind shows one line
};

// The window's title: the label above everything, the heading of the window's content.
constexpr bool IsWindowTitle(const ControlDesign& control)
{
    return control.kind == ControlKind::Label && control.name == u"Label1";
}

// "List1(0)" for an item of a control array, "Text2" for a single control.
std::u16string ControlName(const ControlDesign& control);

struct FormDesign {
    std::u16string_view name;
    std::u16string_view caption;
    int clientWidth, clientHeight; // twips
    Colour backColour;
    Colour labelColour;  // the labels' back colour
    Colour buttonColour; // the Calculate button's face
    // Every other colour the window shows is designed too, so that no desktop colour scheme (a
    // dark one, say) can put light text on the light faces above.
    Colour textColour;         // all text: captions, list entries, the boxes, the button
    Colour fieldColour;        // the faces of the lists and the text boxes
    Colour selectionColour;    // a list's picked entry, selected text
    Colour selectedTextColour; // text on the selection colour
    Colour focusColour;        // the frame around the control that has the keyboard focus
    int focusFrameWidth;       // pixels, drawn just outside the control
    int pictureFrameWidth;     // pixels on each side of a picture box's picture, a sunken frame
    int listRows;              // whole entries a list shows at once, 1 or more
    std::u16string_view fontFace;
    int fontPoints;    // 12 points: 16 pixels at 96 dpi
    int fontWeight;    // 400, regular
    int fontCharSet;   // 204, Cyrillic
    std::u16string_view errorHeading; // above the message of every error shown to the user
};

inline constexpr FormDesign Form{
    .name = u"Menivor",
    // The real address goes here once the project has one; .example is reserved and leads nowhere.
    .caption = u"https://menivor.example Астрономия - лунен месец, фази",
    .clientWidth = 6960,
    .clientHeight = 6360,
    .backColour = {192, 192, 255},
    .labelColour = {255, 192, 128},
    .buttonColour = {0, 255, 0},
    .textColour = {0, 0, 0},
    .fieldColour = {255, 255, 255},
    .selectionColour = {0, 84, 166},
    .selectedTextColour = {255, 255, 255},
    .focusColour = {170, 0, 0},
    .focusFrameWidth = 3,
    .pictureFrameWidth = 2,
    .listRows = 4,
    .fontFace = u"Times New Roman",
    .fontPoints = 12,
    .fontWeight = 400,
    .fontCharSet = 204,
    .errorHeading = u"Грешка при изпълнение",
};

// The size of text in pixels at the given dots per inch (at 96, 16 pixels for 12 points),
// rounded to the nearest pixel.
constexpr int FontPixelsOf(int points, int dotsPerInch = 96)
{
    return (points * dotsPerInch + 36) / 72;
}

extern const std::array<ControlDesign, 21> Controls;

} // namespace menivor
