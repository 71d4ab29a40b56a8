// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/web/dom.h"
#include "window/controls.h"

namespace menivor::web {

// A read-only text box: an <input readonly> for one line, a <textarea readonly> for wrapped,
// scrolled text. The user can select, copy and scroll but not change it; code sets it freely.
class TextBox final : public TextControl {
public:
    explicit TextBox(Element element) : element_(std::move(element)) {}

    std::u16string Text() const override { return element_.Value(); }
    void SetText(std::u16string_view text) override { element_.SetValue(text); }

private:
    Element element_;
};

} // namespace menivor::web
