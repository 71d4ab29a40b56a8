// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/clock.h"
#include "platform/web/dom.h"
#include "platform/web/menivorwindow.h"
#include "window/conversions.h"
#include "window/layout.h"

#include <exception>

int main()
{
    try {
        // The page is the window's lifetime: main returns, the page goes on handling events, and
        // both live until the page is closed. Nothing is freed at closing, as on the desktops.
        const auto* clock = new menivor::web::SystemClock;
        new menivor::web::MenivorWindow(*clock);
        return 0;
    } catch (const std::exception& error) {
        // A damaged copy of the page (a picture missing, say): no half-made window, but the
        // page's message that Menivor cannot start (start.js shows it where there is no window),
        // and why.
        menivor::web::Element::ById(std::u16string(menivor::Form.name)).Remove();
        const auto reason = menivor::web::Element::Make(u"p", u"StartFailure.reason", nullptr);
        reason.SetAttribute(u"class", u"start-failure");
        reason.SetText(u"Menivor не може да започне: " + menivor::Utf16Of(error.what()));
        return 1;
    }
}
