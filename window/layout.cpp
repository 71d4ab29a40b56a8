// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/layout.h"

#include "window/conversions.h"
#include "window/designed_texts.h"

namespace menivor {

namespace {

constexpr auto Label = ControlKind::Label;
constexpr auto List = ControlKind::ListBox;
constexpr auto Text = ControlKind::TextBox;
constexpr auto Button = ControlKind::CommandButton;
constexpr auto Picture = ControlKind::PictureBox;
constexpr auto Wrapped = TextLines::Wrapped;

constexpr std::u16string_view CycleDescription =
    u"Земята в средата и осемте фази на Луната в кръг около нея: новолуние горе, после по "
    u"часовниковата стрелка нарастващ сърп, първа четвърт, нарастваща Луна, пълнолуние долу, "
    u"намаляваща Луна, последна четвърт и намаляващ сърп";

} // namespace

// The phase pictures get their phases' names from the phase table, and the display takes the name
// of the picture it shows (window/menivor.cpp).
const std::array<ControlDesign, 21> Controls = {{
    {Label, u"Label1", 0, 960, 0, 5055, 375, 2, true, u"Физика (Астрономия) - фази на Луната", {}, {}},
    {Label, u"Label2", 0, 4080, 480, 855, 375, 16, true, u"Ден", {}, {}},
    {Label, u"Label2", 1, 5040, 480, 855, 375, 18, true, u"Месец", {}, {}},
    {Label, u"Label2", 2, 6000, 480, 855, 375, 20, true, u"Година", {}, {}},
    {List, u"List1", 0, 4080, 840, 855, 1200, 15, true, {}, u"Ден", {}},
    {List, u"List1", 1, 5040, 840, 855, 1200, 17, true, {}, u"Месец", {}},
    {List, u"List1", 2, 6000, 840, 855, 1200, 19, true, {}, u"Година", {}},
    {Text, u"Text2", -1, 4080, 2640, 1335, 495, 3, true, {}, u"Дата",
     u"Датата на изчислението: месец, ден, година"},
    {Button, u"Command1", -1, 5640, 2640, 1215, 495, 4, true, u"Изчисли", u"Изчисли",
     u"Показва фазата на Луната за избраната дата"},
    {Picture, u"Picture1", 0, 120, 480, 3810, 3765, 5, true, u"cycle", u"Лунен цикъл", CycleDescription},
    {Picture, u"Picture1", 1, 4080, 4200, 750, 885, 6, false, u"phase0", {}, {}},
    {Picture, u"Picture1", 2, 4320, 4200, 750, 885, 7, false, u"phase1", {}, {}},
    {Picture, u"Picture1", 3, 4560, 4200, 750, 885, 8, false, u"phase2", {}, {}},
    {Picture, u"Picture1", 4, 4800, 4200, 750, 885, 9, false, u"phase3", {}, {}},
    {Picture, u"Picture1", 5, 5040, 4200, 840, 885, 10, false, u"phase4", {}, {}},
    {Picture, u"Picture1", 6, 5280, 4200, 750, 885, 11, false, u"phase5", {}, {}},
    {Picture, u"Picture1", 7, 5520, 4200, 750, 885, 12, false, u"phase6", {}, {}},
    {Picture, u"Picture1", 8, 5760, 4200, 750, 885, 13, false, u"phase7", {}, {}},
    {Picture, u"Picture1", 9, 5160, 3240, 750, 885, 14, true, u"phase1", {},
     u"Фазата на Луната на избраната дата"},
    {Text, u"Text1", 0, 120, 4440, 6735, 1815, 0, true, ReadingText, u"Описание", {}, Wrapped},
    {Text, u"Text1", 1, 600, 4680, 6735, 1815, 1, false, QuotationText, {}, {}, Wrapped},
}};

std::u16string ControlName(const ControlDesign& control)
{
    std::u16string name(control.name);
    if (control.index >= 0)
        name += u'(' + NumberText(control.index) + u')';
    return name;
}

} // namespace menivor
