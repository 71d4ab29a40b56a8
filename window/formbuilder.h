// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one place that turns the layout table into the form's controls. A toolkit layer supplies a
// ControlFactory (how a list, a text box, a label, a picture box and the button are made, and how
// a picture is found); the rules of the form are here: which rows become controls and which stay
// stored values, in what order they are made, which picture object each box shows, when the
// designed contents are set, and where the user's picks and presses go.

#include "window/controls.h"
#include "window/layout.h"
#include "window/menivor.h"
#include "window/storedcontrols.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace menivor {

// A control's place in the window's client area, in pixels at the layer's dots per inch.
struct PixelBox {
    int left, top, width, height;
    friend constexpr bool operator==(PixelBox, PixelBox) = default;
};

constexpr PixelBox PixelBoxOf(const ControlDesign& design, int dotsPerInch)
{
    return {PixelsOf(design.left, dotsPerInch), PixelsOf(design.top, dotsPerInch),
            PixelsOf(design.width, dotsPerInch), PixelsOf(design.height, dotsPerInch)};
}

// What a toolkit layer makes for the builder: each shown row of the layout table, once, in the
// order of the Tab key, at its place, with its font and what a screen reader says of it (the
// design's accessible texts). The layer owns what it makes; a returned control lives as long as
// the layer's window. A list runs `clicked` as its click handling; the button runs `pressed`.
class ControlFactory {
public:
    virtual ~ControlFactory() = default;
    virtual void MakeLabel(const ControlDesign& design, PixelBox place) = 0;
    virtual ListControl& MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked) = 0;
    // The date box (design.index -1) is one centred line; the others wrap and scroll.
    virtual TextControl& MakeTextBox(const ControlDesign& design, PixelBox place) = 0;
    virtual void MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed) = 0;
    virtual PictureControl& MakePictureBox(const ControlDesign& design, PixelBox place) = 0;
    // The picture stored with the program under a picture name of the table ("cycle", "phase0").
    virtual PictureRef LoadPicture(std::u16string_view name) = 0;
};

// The form Menivor on the controls of the layout table. The constructor makes them through the
// factory (hidden rows are stored values: no control of the toolkit, so nothing of them on the
// screen or before a screen reader), then sets the designed texts and pictures, so that a text is
// laid out once at its box's own width and a picture box takes its picture's size. Each picture
// is one object, shared by every box that shows it. Load() runs the form's load handling; the
// layer calls it before it shows the window. Neither copied nor moved: the controls call back
// into it.
class BuiltForm {
public:
    BuiltForm(ControlFactory& factory, int dotsPerInch, const Clock& clock, ErrorReporter& errors,
              Announcer& announcer);
    BuiltForm(const BuiltForm&) = delete;
    BuiltForm& operator=(const BuiltForm&) = delete;

    void Load() { form_->Load(); }
    const Menivor& Form() const { return *form_; }
    // The controls as the form sees them, the hidden ones included.
    const FormControls& Controls() const { return controls_; }

private:
    void Make(ControlFactory& factory, const ControlDesign& design, int dotsPerInch);
    void Store(const ControlDesign& design);
    void SetDesignedContents(ControlFactory& factory);

    FormControls controls_;
    std::vector<std::unique_ptr<StoredText>> storedTexts_;
    std::vector<std::unique_ptr<StoredPicture>> storedPictures_;
    std::map<std::u16string, PictureRef, std::less<>> pictures_; // one object for each name
    std::optional<Menivor> form_;
};

} // namespace menivor
