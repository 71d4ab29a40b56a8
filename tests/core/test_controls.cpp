// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/core/memoryform.h"
#include "tests/core/testkit.h"

#include <doctest/doctest.h>

#include <climits>

using namespace menivor;

TEST_SUITE("control contracts") {

TEST_CASE("a list's index outside its entries: the error, the list unchanged, no click handling")
{
    PlainList list;
    for (const char16_t* entry : {u"1", u"2", u"3"})
        list.AddItem(entry);
    list.SetListIndex(1);
    REQUIRE(list.clicks == 1);
    const struct {
        const char* name;
        std::int16_t index;
    } rows[] = {{"-1 (none)", -1}, {"-2", -2}, {"the count", 3}, {"past the count", 4}, {"the largest", SHRT_MAX},
                {"the smallest", SHRT_MIN}};
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(KindThrownBy([&] { list.SetListIndex(row.index); }) == ErrorKind::InvalidPropertyValue);
        CHECK(list.ListIndex() == 1);
        CHECK(list.clicks == 1);
        if (row.index != -1)
            CHECK(KindThrownBy([&] { list.List(row.index); }) == ErrorKind::InvalidPropertyValue);
    }
    CHECK(list.List(-1).empty()); // no entry: no text
    CHECK(list.List(2) == u"3");
    list.Clear();
    CHECK(KindThrownBy([&] { list.SetListIndex(0); }) == ErrorKind::InvalidPropertyValue);
}

TEST_CASE("a box takes only pictures of its own layer, and none")
{
    struct OtherPicture final : Picture {};
    const PictureRef own = std::make_shared<const NamedPicture>(u"phase0");
    const PictureRef other = std::make_shared<const OtherPicture>();
    CHECK(PictureOfLayer<NamedPicture>(own).get() == own.get());
    CHECK(PictureOfLayer<NamedPicture>(nullptr) == nullptr);
    CHECK_THROWS_AS(PictureOfLayer<NamedPicture>(other), std::invalid_argument);
}

} // TEST_SUITE
