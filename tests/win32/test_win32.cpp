// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Win32 layer on real Windows controls (run under Wine): the list contract on a real
// LISTBOX, the read-only text box, the picture boxes, and the window built from the layout table.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include "../core/clocks.h"
#include "../core/testkit.h"

#include "platform/win32/listbox.h"
#include "platform/win32/menivorwindow.h"
#include "platform/win32/picturebox.h"
#include "platform/win32/text.h"
#include "platform/win32/textbox.h"
#include "window/designed_texts.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace menivor;
using namespace menivor::win32;

namespace {

HINSTANCE Module()
{
    return GetModuleHandleW(nullptr);
}

// A plain parent window that passes a list's notifications on, as the real window does.
struct ListHost {
    HWND parent = nullptr;
    HWND list = nullptr;
    std::unique_ptr<ListBox> box;
    std::vector<std::int16_t> clicks; // the selection each run of the click handling saw

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<ListHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE)
            self->box->OnSelectionChange();
        return DefWindowProcW(window, message, wParam, lParam);
    }

    ListHost()
    {
        WNDCLASSW type{};
        type.lpfnWndProc = Procedure;
        type.hInstance = Module();
        type.lpszClassName = L"ListHost";
        RegisterClassW(&type);
        parent = CreateWindowW(L"ListHost", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr, Module(), nullptr);
        SetWindowLongPtrW(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        list = CreateWindowW(L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_HASSTRINGS, 0, 0, 100, 150,
                             parent, reinterpret_cast<HMENU>(INT_PTR(100)), Module(), nullptr);
        box = std::make_unique<ListBox>(list);
        box->SetClickHandler([this] { clicks.push_back(box->ListIndex()); });
    }
    ~ListHost() { DestroyWindow(parent); }

    void Key(WPARAM key)
    {
        SendMessageW(list, WM_KEYDOWN, key, 0);
        SendMessageW(list, WM_KEYUP, key, 0);
    }
    void ClickEntry(int index, WPARAM modifiers = 0)
    {
        RECT entry;
        SendMessageW(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&entry));
        const LPARAM at = MAKELPARAM(entry.left + 5, (entry.top + entry.bottom) / 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON | modifiers, at);
        SendMessageW(list, WM_LBUTTONUP, modifiers, at);
    }
};

// The texts of the first message box the thread shows, which is then closed: what a user reads.
struct SeenMessage {
    std::u16string caption, text;
};

BOOL CALLBACK CloseMessageBox(HWND window, LPARAM lParam)
{
    wchar_t type[16] = {};
    GetClassNameW(window, type, 16);
    if (std::wstring_view(type) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    auto* seen = reinterpret_cast<SeenMessage*>(lParam);
    seen->caption = WindowText(window);
    HWND text = FindWindowExW(window, nullptr, L"Static", nullptr);
    while (text && WindowText(text).empty())
        text = FindWindowExW(window, text, L"Static", nullptr);
    if (text)
        seen->text = WindowText(text);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

// Runs the thread's messages (for at most 10 s) until a message box has been shown and closed.
// The box runs a message loop of its own: the timer's procedure is called from either loop.
SeenMessage MessageShown()
{
    static SeenMessage* seen = nullptr; // for the timer's procedure, while this function runs
    SeenMessage result;
    seen = &result;
    // A timer procedure, called by Windows: CALLBACK (stdcall on 32-bit Windows), which a lambda
    // cannot be.
    struct Look {
        static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
        {
            if (seen && seen->caption.empty())
                EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, reinterpret_cast<LPARAM>(seen));
        }
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Look::OnTimer);
    const DWORD start = GetTickCount();
    MSG message;
    while (result.caption.empty() && GetTickCount() - start < 10000) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, timer);
    seen = nullptr;
    return result;
}

std::size_t RowOf(std::u16string_view name, std::int16_t index = -1)
{
    const auto found = std::find_if(Controls.begin(), Controls.end(), [&](const ControlDesign& design) {
        return design.name == name && design.index == index;
    });
    REQUIRE(found != Controls.end());
    return std::size_t(found - Controls.begin());
}

COLORREF BrushColour(LRESULT brush)
{
    LOGBRUSH colour{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof colour, &colour);
    return colour.lbColor;
}

} // namespace

TEST_CASE("a real LISTBOX keeps the list contract")
{
    ListHost host;
    ListBox& list = *host.box;
    for (const char16_t* entry : {u"1980", u"1981", u"2079"})
        list.AddItem(entry);
    CHECK(host.clicks.empty()); // adding entries runs nothing
    CHECK(list.ListCount() == 3);
    CHECK(list.ListIndex() == -1);
    CHECK(list.List(-1) == u"");
    CHECK(list.List(2) == u"2079");

    SUBCASE("code's selection runs the click handling once, nested, every time")
    {
        list.SetListIndex(1);
        CHECK(host.clicks == std::vector<std::int16_t>{1}); // it had run, seeing entry 1, on return
        list.SetListIndex(1);
        CHECK(host.clicks == std::vector<std::int16_t>{1, 1});
    }
    SUBCASE("a user's pick runs it once; a click on the picked entry, or Ctrl with it, none")
    {
        list.SetListIndex(0);
        host.Key(VK_DOWN);
        CHECK(host.clicks == std::vector<std::int16_t>{0, 1});
        host.ClickEntry(2);
        CHECK(host.clicks == std::vector<std::int16_t>{0, 1, 2});
        host.ClickEntry(2);
        host.ClickEntry(2, MK_CONTROL); // would take the selection away in a multi-selection list
        CHECK(host.clicks == std::vector<std::int16_t>{0, 1, 2});
        CHECK(list.ListIndex() == 2);
    }
    SUBCASE("clearing runs nothing and leaves no selection")
    {
        list.SetListIndex(2);
        list.Clear();
        CHECK(host.clicks == std::vector<std::int16_t>{2});
        CHECK(list.ListCount() == 0);
        CHECK(list.ListIndex() == -1);
    }
    SUBCASE("an index outside the entries is rejected, the list left as it was")
    {
        list.SetListIndex(1);
        for (std::int16_t bad : {std::int16_t(-1), std::int16_t(3), std::int16_t(32767)}) {
            CHECK(KindThrownBy([&] { list.SetListIndex(bad); }) == ErrorKind::InvalidPropertyValue);
            CHECK(list.ListIndex() == 1);
        }
        CHECK(KindThrownBy([&] { (void)list.List(3); }) == ErrorKind::InvalidPropertyValue);
        CHECK(host.clicks.size() == 1);
    }
}

TEST_CASE("a read-only EDIT box: code sets it, the user cannot, reading starts at the top")
{
    ListHost host; // a parent for the box
    HWND edit = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL, 0, 0,
                              120, 40, host.parent, nullptr, Module(), nullptr);
    // The window's font (Wine's default one trips its own text shaper on this text).
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, L"Times New Roman");
    SendMessageW(edit, WM_SETFONT, WPARAM(font), FALSE);
    TextBox box(edit);
    box.SetText(ReadingText);
    CHECK(box.Text() == ReadingText);
    DWORD start = 1, end = 1;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(start == 0);
    CHECK(end == 0);
    SendMessageW(edit, WM_CHAR, L'Ж', 0);
    SendMessageW(edit, WM_CUT, 0, 0);
    CHECK(box.Text() == ReadingText);
    // Selected text copies.
    SendMessageW(edit, EM_SETSEL, 0, 6);
    SendMessageW(edit, WM_COPY, 0, 0);
    std::u16string copied;
    if (OpenClipboard(host.parent)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            copied = U16Of(static_cast<const wchar_t*>(GlobalLock(data)));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    CHECK(copied == u"Луната");
    DestroyWindow(edit);
    DeleteObject(font);
}

TEST_CASE("a picture: its size at every density, the large drawing from 150 %, a clear error if missing")
{
    const Win32Picture full(Module(), u"phase4"); // 52 x 55 pixels, and 104 x 110 drawn at twice the size
    struct Case {
        UINT dpi;
        LONG width, height;
    };
    for (Case c : {Case{96, 52, 55}, Case{120, 65, 69}, Case{144, 78, 83}, Case{192, 104, 110}}) {
        CAPTURE(c.dpi);
        const SIZE size = full.SizeAt(c.dpi);
        CHECK(size.cx == c.width);
        CHECK(size.cy == c.height);
        BITMAP bitmap{};
        GetObjectW(full.BitmapFor(c.dpi), sizeof bitmap, &bitmap);
        CHECK(bitmap.bmWidth == (c.dpi >= 144 ? 104 : 52));
    }
    const Win32Picture missing(Module(), u"phase8");
    CHECK_THROWS_AS((void)missing.SizeAt(96), std::runtime_error);
    CHECK(missing.BitmapFor(96) == nullptr);
}

TEST_CASE("the window as designed, on 9 September 2014 (full moon)")
{
    const FixedClock clock(std::chrono::year(2014) / 9 / 9);
    MenivorWindow window(Module(), clock);
    // The load handling has run before the window is shown.
    CHECK_FALSE(IsWindowVisible(window.Handle()));
    CHECK(window.Controls().Text2->Text() == u"09-09-2014");
    window.Show(SW_SHOWNORMAL);
    const FormControls& controls = window.Controls();
    const auto control = [&](std::u16string_view name, std::int16_t index = -1) {
        return window.Control(RowOf(name, index));
    };
    const int dpi = int(window.Dpi());
    // The screen density the test's Wine prefix was made with (96 unless a test asks for more).
    const char* expected = std::getenv("MENIVOR_EXPECTED_DPI");
    CHECK(dpi == (expected ? std::atoi(expected) : 96));

    SUBCASE("client size, caption, hidden controls and the start-up values")
    {
        RECT client;
        GetClientRect(window.Handle(), &client);
        CHECK(client.right == PixelsOf(Form.clientWidth, dpi)); // 464 at 96 dpi
        CHECK(client.bottom == PixelsOf(Form.clientHeight, dpi)); // 424 at 96 dpi
        CHECK(WindowText(window.Handle()) == Form.caption);
        for (std::int16_t hidden = 1; hidden <= 8; ++hidden)
            CHECK(control(u"Picture1", hidden) == nullptr);
        CHECK(control(u"Text1", 1) == nullptr);
        CHECK(WindowText(control(u"Text2")) == u"09-09-2014");
        CHECK(WindowText(control(u"Text1", 0)) == ReadingText);
        // The display shows the full moon's own picture object, and is named after it.
        CHECK(controls.Picture1[DisplaySlot]->GetPicture() == controls.Picture1[5]->GetPicture());
        CHECK(WindowText(control(u"Picture1", 9)) == u"Пълнолуние");
        // A picture box is its picture plus the 2-pixel frame on each side.
        RECT display;
        GetWindowRect(control(u"Picture1", 9), &display);
        CHECK(display.right - display.left == MulDiv(52, dpi, 96) + 4);
    }
    SUBCASE("the designed font and colours on every control")
    {
        for (std::size_t i = 0; i < Controls.size(); ++i) {
            HWND handle = window.Control(i);
            if (!handle || Controls[i].kind == ControlKind::PictureBox)
                continue;
            CAPTURE(Utf8Of(ControlName(Controls[i])));
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0)), sizeof font, &font);
            CHECK(U16Of(font.lfFaceName) == Form.fontFace);
            CHECK(font.lfCharSet == Form.fontCharSet);
            CHECK(font.lfHeight == -MulDiv(Form.fontPoints, dpi, 72));
        }
        HDC dc = GetDC(window.Handle());
        const auto colourFor = [&](HWND handle) {
            return BrushColour(SendMessageW(window.Handle(), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(handle)));
        };
        const Colour label = Form.labelColour, field = Form.fieldColour;
        CHECK(colourFor(control(u"Label2", 0)) == RGB(label.red, label.green, label.blue));
        CHECK(colourFor(control(u"Text2")) == RGB(field.red, field.green, field.blue));
        CHECK(GetTextColor(dc) == RGB(Form.textColour.red, Form.textColour.green, Form.textColour.blue));
        ReleaseDC(window.Handle(), dc);
    }
    SUBCASE("Tab visits the boxes, the button and the lists in the designed order")
    {
        std::vector<HWND> order{control(u"Text1", 0)};
        for (int step = 0; step < 6; ++step)
            order.push_back(GetNextDlgTabItem(window.Handle(), order.back(), FALSE));
        CHECK(order == std::vector<HWND>{control(u"Text1", 0), control(u"Text2"), control(u"Command1"),
                                         control(u"List1", 0), control(u"List1", 1), control(u"List1", 2),
                                         control(u"Text1", 0)});
    }
    SUBCASE("Enter and Space press the button where it has the focus, and only there")
    {
        HWND button = control(u"Command1");
        const auto enter = [&] { SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(button)); };
        SetFocus(control(u"List1", 0));
        enter();
        CHECK(WindowText(control(u"Text2")) == u"09-09-2014");
        SetFocus(button);
        enter();
        CHECK(WindowText(control(u"Text2")) == u"9-9-2014");
        CHECK(WindowText(control(u"Text1", 0)) == u"Пълнолуние - Земята е между Луната и Слънцето");
        controls.List1[0]->SetListIndex(0);
        SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
        CHECK(WindowText(control(u"Text2")) == u"9-1-2014");
    }
    SUBCASE("a user's month pick reaches the form: the day list is refilled, nothing picked")
    {
        HWND month = control(u"List1", 1);
        SendMessageW(month, WM_KEYDOWN, VK_DOWN, 0); // September to October
        CHECK(controls.List1[1]->ListIndex() == 9);
        CHECK(controls.List1[0]->ListCount() == 31);
        CHECK(controls.List1[0]->ListIndex() == -1);
    }
    SUBCASE("a frame in the focus colour surrounds the control with the focus")
    {
        HWND frame = FindWindowExW(window.Handle(), nullptr, L"MenivorFocusFrame", nullptr);
        REQUIRE(frame != nullptr);
        for (HWND focused : {control(u"List1", 0), control(u"Command1"), control(u"Text2")}) {
            SetFocus(focused);
            RECT around, inside;
            GetWindowRect(frame, &around);
            GetWindowRect(focused, &inside);
            const int width = MulDiv(Form.focusFrameWidth, dpi, 96);
            CHECK(IsWindowVisible(frame));
            CHECK(around.left == inside.left - width);
            CHECK(around.bottom == inside.bottom + width);
        }
    }
}

TEST_CASE("an error at start-up is reported once the window is shown, and the window stays usable")
{
    // Each window of the earlier cases ended "the program" as it closed: that quit request would
    // end the message box's loop at once. It is taken away first.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    const FailingClock clock;
    MenivorWindow window(Module(), clock);
    window.Show(SW_SHOWNORMAL);
    // The message box is a modal loop inside the window's message handling; the timer that
    // closes it runs there too.
    const SeenMessage seen = MessageShown();
    CHECK(seen.caption == Form.caption);
    CHECK(seen.text.starts_with(u"Грешка при изпълнение"));
    CHECK(seen.text.find(u"часовникът не отговаря") != std::u16string::npos);
    // The lists were filled before the clock was asked: a press still works.
    window.Controls().List1[1]->SetListIndex(0);
    window.Controls().List1[2]->SetListIndex(0);
    SetFocus(window.Control(RowOf(u"Command1")));
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    CHECK(window.Controls().Text2->Text() == u"1-1-1980");
}
