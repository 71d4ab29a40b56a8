// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/core/memoryform.h"
#include "tests/core/testkit.h"
#include "window/designed_texts.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <vector>

using namespace menivor;

namespace {

template <class Box>
bool MadeByLayer(const std::vector<std::unique_ptr<Box>>& made, const void* control)
{
    return std::any_of(made.begin(), made.end(), [control](const auto& box) { return box.get() == control; });
}

} // namespace

TEST_SUITE("form builder") {

TEST_CASE("the layer makes exactly the shown controls, in the order of the Tab key")
{
    const MemoryForm started(std::make_unique<FixedClock>(std::chrono::year{2014} / 9 / 9));
    const std::vector<std::u16string> expected = {
        u"Text1(0)", u"Label1(0)", u"Text2", u"Command1", u"Picture1(0)", u"Picture1(9)",
        u"List1(0)", u"Label2(0)", u"List1(1)", u"Label2(1)", u"List1(2)", u"Label2(2)",
    };
    CHECK(started.factory().made == expected);
}

TEST_CASE("hidden rows are stored values that hold their designed contents")
{
    const MemoryForm started(std::make_unique<FixedClock>(std::chrono::year{2014} / 9 / 9));
    const FormControls& controls = started.controls();
    for (std::size_t slot = 1; slot <= 8; ++slot) {
        INFO("Picture1(" << slot << ")");
        CHECK_FALSE(MadeByLayer(started.factory().pictures, controls.Picture1[slot]));
        CHECK(static_cast<const NamedPicture&>(*controls.Picture1[slot]->GetPicture()).name
              == u"phase" + NumberText(std::int16_t(slot - 1)));
    }
    CHECK_FALSE(MadeByLayer(started.factory().texts, controls.Text1[1]));
    CHECK(controls.Text1[1]->Text() == QuotationText);
    CHECK(MadeByLayer(started.factory().texts, controls.Text1[DescriptionBox]));
    CHECK(MadeByLayer(started.factory().pictures, controls.Picture1[DisplaySlot]));
}

TEST_CASE("one picture object for each name: nine pictures for ten boxes")
{
    const MemoryForm started(std::make_unique<FixedClock>(std::chrono::year{2014} / 9 / 9));
    CHECK(started.factory().picturesLoaded == 9);
    // 9 September 2014 is a full moon: the display shows the very object of phase 4's box.
    CHECK(started.controls().Picture1[DisplaySlot]->GetPicture() == started.controls().Picture1[5]->GetPicture());
}

TEST_CASE("places in pixels at the layer's dots per inch")
{
    const struct {
        int dotsPerInch;
        PixelBox list, text2;
    } rows[] = {
        {96, {272, 56, 57, 80}, {272, 176, 89, 33}},
        {144, {408, 84, 85, 120}, {408, 264, 133, 49}},
    };
    const ControlDesign& list = Controls[4];
    const ControlDesign& text2 = Controls[7];
    REQUIRE(ControlName(list) == u"List1(0)");
    REQUIRE(ControlName(text2) == u"Text2");
    for (const auto& row : rows) {
        INFO(row.dotsPerInch << " dpi");
        CHECK(PixelBoxOf(list, row.dotsPerInch) == row.list);
        CHECK(PixelBoxOf(text2, row.dotsPerInch) == row.text2);
    }
    const MemoryForm started(std::make_unique<FixedClock>(std::chrono::year{2014} / 9 / 9));
    CHECK(started.factory().places[6] == rows[0].list); // List1(0), the seventh made
}

} // TEST_SUITE
