// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/menivorwindow.h"

#include "window/conversions.h"
#include "window/layout.h"

#include <algorithm>

namespace menivor::web {

namespace {

std::u16string Pixels(int value)
{
    return NumberText(value) + u"px";
}

std::u16string CssColour(Colour colour)
{
    return u"rgb(" + NumberText(colour.red) + u' ' + NumberText(colour.green) + u' ' + NumberText(colour.blue) + u')';
}

// A number for a CSS value: 4 decimals are far below a device pixel on any screen.
std::u16string CssNumber(double value)
{
    const int tenThousandths = static_cast<int>(value * 10000 + 0.5);
    std::u16string text = NumberText(tenThousandths / 10000) + u'.';
    const std::u16string fraction = NumberText(tenThousandths % 10000);
    return text + std::u16string(4 - fraction.size(), u'0') + fraction;
}

// The designed face, then the faces with its metrics: ChromeOS's Tinos, then Liberation Serif.
std::u16string FontFamily()
{
    return u'"' + std::u16string(menivor::Form.fontFace) + u"\", Tinos, \"Liberation Serif\", serif";
}

// The page's style sheet gives each kind of control its look.
std::u16string_view ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return u"label";
    case ControlKind::ListBox: return u"list";
    case ControlKind::TextBox: return u"text";
    case ControlKind::CommandButton: return u"button";
    case ControlKind::PictureBox: return u"picture";
    }
    return u"";
}

// The space kept free around the window in a viewport, CSS pixels on each side.
constexpr double ViewportMargin = 4;

// The least height of a list's row that a finger hits, CSS pixels as shown (WCAG 2.2's 2.5.8).
constexpr double FingerRow = 24;

// The sunken border of a list (menivor.css), CSS pixels on each side.
constexpr int ListBorder = 2;

} // namespace

MenivorWindow::MenivorWindow(const Clock& clock)
    : window_(Element::Make(u"main", std::u16string(menivor::Form.name), nullptr))
    , announcement_(Element::Make(u"div", u"Announcement", nullptr))
{
    SetUpWindow();
    // Scaled before the controls are made, so that each picture box asks for its picture at the
    // density it is shown at, once.
    FitToViewport();
    form_.emplace(static_cast<ControlFactory&>(*this), 96, clock, static_cast<ErrorReporter&>(*this),
                  static_cast<Announcer&>(*this));
    form_->Load();
    // The page's window outlives this one should the form fail to load: it is told of a new size
    // only once the form has loaded.
    listeners_.push_back(std::make_unique<Listener>(nullptr, u"resize", [this] { FitToViewport(); }));
    listeners_.push_back(std::make_unique<Listener>(nullptr, u"density", [this] { FitToViewport(); }));
    // The window opens with the focus on the first control of the Tab order that takes it; once
    // everything is made, so that the page is laid out once.
    if (firstFocus_)
        firstFocus_->Focus();
}

void MenivorWindow::SetUpWindow()
{
    const FormDesign& form = menivor::Form;
    SetPageTitle(form.caption);
    // The designed colours and frames, for the page's style sheet to use: on the body, so that
    // the error dialog (outside the window) has them too.
    const Element page = Element::ById(u"");
    page.SetStyle(u"--back", CssColour(form.backColour));
    page.SetStyle(u"--label", CssColour(form.labelColour));
    page.SetStyle(u"--button", CssColour(form.buttonColour));
    page.SetStyle(u"--text", CssColour(form.textColour));
    page.SetStyle(u"--field", CssColour(form.fieldColour));
    page.SetStyle(u"--selection", CssColour(form.selectionColour));
    page.SetStyle(u"--selected-text", CssColour(form.selectedTextColour));
    page.SetStyle(u"--focus", CssColour(form.focusColour));
    page.SetStyle(u"--focus-width", Pixels(form.focusFrameWidth));
    page.SetStyle(u"--frame-width", Pixels(form.pictureFrameWidth));
    window_.SetStyle(u"font-family", FontFamily());
    window_.SetStyle(u"font-size", Pixels(FontPixelsOf(form.fontPoints)));
    window_.SetStyle(u"font-weight", NumberText(form.fontWeight));
    window_.SetStyle(u"width", Pixels(ClientWidth));
    window_.SetStyle(u"height", Pixels(ClientHeight));
    announcement_.SetAttribute(u"aria-live", u"polite");
}

void MenivorWindow::FitToViewport()
{
    // The whole window, as large as the viewport allows (a phone in portrait shows all of it, a
    // projector shows it large), centred; the pictures drawn at twice the size wherever one of
    // their pixels would cover more than one of the screen's.
    const Viewport view = ViewportOfPage();
    const double scale = std::max(0.1, std::min((view.width - 2 * ViewportMargin) / ClientWidth,
                                                (view.height - 2 * ViewportMargin) / ClientHeight));
    const double left = std::max(0.0, (view.width - ClientWidth * scale) / 2);
    const double top = std::max(0.0, (view.height - ClientHeight * scale) / 2);
    window_.SetStyle(u"transform", u"translate(" + CssNumber(left) + u"px, " + CssNumber(top) + u"px) scale("
                                       + CssNumber(scale) + u')');
    scale_ = scale;
    coarsePointer_ = view.coarsePointer;
    dense_ = scale * view.devicePixelRatio > 1;
    for (const auto& box : pictureBoxes_)
        box->SetDense(dense_);
    for (const ShownList& list : lists_)
        FitRows(list);
}

void MenivorWindow::FitRows(const ShownList& list) const
{
    // The designed number of whole rows; for a finger, fewer and taller ones where the window is
    // shown so small that a row would be hard to hit.
    const double inside = list.height - 2 * ListBorder;
    int rows = menivor::Form.listRows;
    while (coarsePointer_ && rows > 1 && inside / rows * scale_ < FingerRow)
        --rows;
    list.box->Box().SetRowsInView(rows);
}

Element MenivorWindow::Place(std::u16string_view tag, const ControlDesign& design, PixelBox place, bool named)
{
    Element element = Element::Make(tag, ControlName(design), &window_);
    element.SetAttribute(u"class", ClassOf(design.kind));
    element.SetStyle(u"left", Pixels(place.left));
    element.SetStyle(u"top", Pixels(place.top));
    element.SetStyle(u"width", Pixels(place.width));
    element.SetStyle(u"height", Pixels(place.height));
    if (named && !design.accessibleName.empty())
        element.SetAttribute(u"aria-label", design.accessibleName);
    if (named && !design.accessibleDescription.empty())
        element.SetAttribute(u"aria-description", design.accessibleDescription);
    if (!firstFocus_ && TakesFocus(design.kind))
        firstFocus_ = element;
    return element;
}

void MenivorWindow::MakeLabel(const ControlDesign& design, PixelBox place)
{
    // The title is the page's heading (a screen reader's way in); the style sheet keeps its look.
    Place(IsWindowTitle(design) ? u"h1" : u"div", design, place).SetText(design.text);
}

ListControl& MenivorWindow::MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked)
{
    lists_.push_back({std::make_unique<ListBox>(Place(u"div", design, place), std::move(clicked)), place.height});
    FitRows(lists_.back());
    return *lists_.back().box;
}

TextControl& MenivorWindow::MakeTextBox(const ControlDesign& design, PixelBox place)
{
    Element element = Place(design.lines == TextLines::One ? u"input" : u"textarea", design, place);
    element.SetAttribute(u"readonly", u"");
    element.SetAttribute(u"spellcheck", u"false");
    textBoxes_.push_back(std::make_unique<TextBox>(std::move(element)));
    return *textBoxes_.back();
}

void MenivorWindow::MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed)
{
    Element button = Place(u"button", design, place);
    button.SetAttribute(u"type", u"button");
    button.SetText(design.text);
    // A click, Enter and Space alike: the page's button turns each into one "click".
    listeners_.push_back(std::make_unique<Listener>(&button, u"click", std::move(pressed)));
}

PictureControl& MenivorWindow::MakePictureBox(const ControlDesign& design, PixelBox place)
{
    // The frame is only drawing; a screen reader meets the image, by its alt text.
    Element frame = Place(u"div", design, place, false);
    Element image = Element::Make(u"img", ControlName(design) + u".picture", &frame);
    if (!design.accessibleDescription.empty())
        image.SetAttribute(u"aria-description", design.accessibleDescription);
    pictureBoxes_.push_back(std::make_unique<PictureBox>(std::move(frame), std::move(image)));
    pictureBoxes_.back()->SetDense(dense_);
    pictureBoxes_.back()->SetAccessibleName(design.accessibleName);
    return *pictureBoxes_.back();
}

PictureRef MenivorWindow::LoadPicture(std::u16string_view name)
{
    return std::make_shared<WebPicture>(std::u16string(name));
}

void MenivorWindow::Announce(std::u16string_view text)
{
    // A new paragraph for each result, so that the same result twice in a row is told twice.
    Element::ById(u"Announcement.text").Remove();
    Element::Make(u"p", u"Announcement.text", &announcement_).SetText(text);
}

void MenivorWindow::ReportError(std::u16string_view message)
{
    // A modal dialog of the page: the window behind it waits until the user closes it (the
    // button, or Escape), then goes on where the user was.
    if (!errorMessage_) {
        const Element dialog = Element::Make(u"dialog", u"RuntimeError", nullptr);
        dialog.SetAttribute(u"role", u"alertdialog");
        dialog.SetStyle(u"font-family", FontFamily());
        dialog.SetAttribute(u"aria-labelledby", u"RuntimeError.heading");
        dialog.SetAttribute(u"aria-describedby", u"RuntimeError.message");
        Element::Make(u"h1", u"RuntimeError.heading", &dialog).SetText(menivor::Form.errorHeading);
        errorMessage_ = Element::Make(u"p", u"RuntimeError.message", &dialog);
        const Element close = Element::Make(u"button", u"RuntimeError.close", &dialog);
        close.SetAttribute(u"type", u"button");
        close.SetAttribute(u"autofocus", u"");
        close.SetText(u"OK");
        listeners_.push_back(std::make_unique<Listener>(&close, u"click", [] { Element::ById(u"RuntimeError").Close(); }));
    }
    errorMessage_->SetText(message);
    Element::ById(u"RuntimeError").ShowModal();
}

} // namespace menivor::web
