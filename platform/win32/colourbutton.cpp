// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/colourbutton.h"

#include "platform/win32/text.h"

namespace menivor::win32 {

void ColourButton::Draw(const DRAWITEMSTRUCT& item, HFONT font, UINT dpi) const
{
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &face, face_.get());
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT caption = face;
    if (pressed)
        OffsetRect(&caption, 1, 1);
    const std::wstring text = WideOf(WindowText(item.hwndItem));
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRef(menivor::Form.textColour));
    DrawTextW(dc, text.c_str(), int(text.size()), &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    if (item.itemState & ODS_FOCUS) {
        const int inset = MulDiv(4, int(dpi), 96);
        InflateRect(&face, -inset, -inset);
        DrawFocusRect(dc, &face);
    }
}

} // namespace menivor::win32
