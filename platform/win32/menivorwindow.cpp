// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/menivorwindow.h"

#include "platform/conversions.h"
#include "platform/win32/text.h"
#include "platform/win32/windowclass.h"

#include <oleacc.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace menivor::win32 {

namespace {

constexpr UINT ReportErrorMessage = WM_APP + 1;
constexpr int FirstControlId = 100; // row i of the layout table is control id 100 + i; the button is IDOK
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; // close button only
constexpr DWORD WindowExStyle = WS_EX_CONTROLPARENT;
constexpr const wchar_t* FocusFrameClass = L"MenivorFocusFrame";

COLORREF ColourRef(Colour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// A function of a newer Windows, looked up so that the program also starts on older systems;
// nullptr where the system (or the module) lacks it.
template <class Function>
Function SystemFunction(HMODULE module, const char* name)
{
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// Windows 10 (1607) and later; before, the whole screen has one density.
template <class Function>
Function User32Function(const char* name)
{
    return SystemFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

UINT DpiOf(HWND window)
{
    if (auto get = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow"))
        if (UINT dpi = get(window))
            return dpi;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96;
}

// The window rectangle around a client rectangle at dots per inch.
void AdjustForDpi(RECT& rect, UINT dpi)
{
    if (auto adjust = User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi"))
        if (adjust(&rect, WindowStyle, FALSE, WindowExStyle, dpi))
            return;
    AdjustWindowRectEx(&rect, WindowStyle, FALSE, WindowExStyle);
}

LRESULT CALLBACK FocusFrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks go to what lies below
    case WM_ERASEBKGND: {
        RECT all;
        GetClientRect(frame, &all);
        HBRUSH brush = CreateSolidBrush(ColourRef(menivor::Form.focusColour));
        FillRect(reinterpret_cast<HDC>(wParam), &all, brush);
        DeleteObject(brush);
        return 1;
    }
    default:
        return DefWindowProcW(frame, message, wParam, lParam);
    }
}

// What a screen reader says of a control, through Windows' dynamic annotation (where the system
// offers it; without it, the controls' own texts still speak for them).
void Annotate(IAccPropServices& services, HWND control, const ControlDesign& design)
{
    const bool picture = design.kind == ControlKind::PictureBox;
    // A picture box's name is its window text, which follows the phase it shows.
    if (!picture && !design.accessibleName.empty())
        services.SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                WideOf(design.accessibleName).c_str());
    if (!design.accessibleDescription.empty())
        services.SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                WideOf(design.accessibleDescription).c_str());
    if (picture) {
        VARIANT role;
        VariantInit(&role);
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_GRAPHIC;
        services.SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
}

} // namespace

MenivorWindow::MenivorWindow(HINSTANCE module, const Clock& clock)
    : module_(module)
{
    const FormDesign& form = menivor::Form;
    backBrush_ = CreateSolidBrush(ColourRef(form.backColour));
    labelBrush_ = CreateSolidBrush(ColourRef(form.labelColour));
    fieldBrush_ = CreateSolidBrush(ColourRef(form.fieldColour));
    buttonBrush_ = CreateSolidBrush(ColourRef(form.buttonColour));
    try {
        RegisterClasses();
        window_ = CreateWindowExW(WindowExStyle, ClassName, WideOf(form.caption).c_str(), WindowStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, module, this);
        if (!window_)
            throw std::system_error(int(GetLastError()), std::system_category(), "CreateWindowExW");
        dpi_ = DpiOf(window_);
        CreateControls();
        LayOut(dpi_);
        SetDesignedContents();
        Annotate();
        PlaceOnScreen();
        form_.emplace(controls_, clock, static_cast<ErrorReporter&>(*this), static_cast<Announcer&>(*this));
        form_->Load();
    } catch (...) {
        Destroy();
        throw;
    }
}

MenivorWindow::~MenivorWindow()
{
    Destroy();
}

void MenivorWindow::Destroy()
{
    form_.reset();
    if (window_)
        DestroyWindow(window_);
    for (HGDIOBJ object : {HGDIOBJ(font_), HGDIOBJ(backBrush_), HGDIOBJ(labelBrush_), HGDIOBJ(fieldBrush_),
                           HGDIOBJ(buttonBrush_)})
        if (object)
            DeleteObject(object);
    font_ = nullptr;
    backBrush_ = labelBrush_ = fieldBrush_ = buttonBrush_ = nullptr;
}

void MenivorWindow::RegisterClasses()
{
    WNDCLASSEXW type = WindowClass(module_, Procedure, ClassName, backBrush_);
    // Icon 1 of the executable; Windows picks the best of its sizes for each use.
    type.hIcon = HICON(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                  GetSystemMetrics(SM_CYICON), LR_SHARED));
    type.hIconSm = HICON(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    Register(type);
    Register(WindowClass(module_, FocusFrameProcedure, FocusFrameClass));
    PictureBox::Register(module_);
}

void MenivorWindow::CreateControls()
{
    // Created in the order of the Tab key: dialog navigation follows the order of the windows.
    const auto& Controls = menivor::Controls;
    std::vector<std::size_t> order(Controls.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&Controls](auto a, auto b) { return Controls[a].tabIndex < Controls[b].tabIndex; });
    for (std::size_t i : order) {
        const ControlDesign& design = Controls[i];
        const auto index = std::size_t(std::max<std::int16_t>(design.index, 0));
        if (design.shown) {
            handles_[i] = CreateControl(i);
        } else if (design.kind == ControlKind::PictureBox) {
            // Never shown: no window, so nothing of it on the screen or before a screen reader.
            pictures_.at(index) = std::make_unique<StoredPicture>();
            controls_.Picture1.at(index) = pictures_[index].get();
        } else if (design.kind == ControlKind::TextBox && design.index >= 0) {
            texts_.at(index) = std::make_unique<StoredText>();
            controls_.Text1.at(index) = texts_[index].get();
        } else {
            throw std::logic_error("MenivorWindow: a hidden control of a kind that cannot be stored");
        }
    }
    focusFrame_ = CreateWindowExW(0, FocusFrameClass, L"", WS_CHILD | WS_DISABLED, 0, 0, 0, 0, window_, nullptr,
                                  module_, nullptr);
}

void MenivorWindow::Annotate()
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    for (std::size_t i = 0; i < menivor::Controls.size(); ++i)
        if (handles_[i])
            menivor::win32::Annotate(*services, handles_[i], menivor::Controls[i]);
    services->Release();
}

void MenivorWindow::SetDesignedContents()
{
    // Once the boxes have their size and font: a text is laid out once, at its box's own width,
    // and a picture box takes its picture's size, whatever the table's size says.
    for (const ControlDesign& design : menivor::Controls) {
        const auto index = std::size_t(std::max<std::int16_t>(design.index, 0));
        if (design.kind == ControlKind::TextBox && design.index >= 0)
            controls_.Text1.at(index)->SetText(design.text);
        else if (design.kind == ControlKind::PictureBox)
            controls_.Picture1.at(index)->SetPicture(PictureNamed(design.text));
    }
}

HWND MenivorWindow::CreateControl(std::size_t i)
{
    const ControlDesign& design = menivor::Controls[i];
    const auto index = std::size_t(std::max<std::int16_t>(design.index, 0));
    const wchar_t* type = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE, exStyle = 0;
    int id = FirstControlId + int(i);
    switch (design.kind) {
    case ControlKind::Label:
        style |= SS_CENTER | SS_NOPREFIX;
        break;
    case ControlKind::ListBox:
        type = L"LISTBOX";
        style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::TextBox:
        type = L"EDIT";
        style |= WS_TABSTOP | ES_READONLY | (design.index < 0 ? ES_CENTER | ES_AUTOHSCROLL
                                                               : ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL);
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::CommandButton:
        type = L"BUTTON";
        // Owner-drawn for its colour. Such a button cannot be a dialog's default button: with the
        // id IDOK, Enter reaches it through the dialog keys all the same.
        style |= WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY;
        id = IDOK;
        break;
    case ControlKind::PictureBox:
        type = PictureBox::ClassName;
        exStyle = WS_EX_CLIENTEDGE; // the 2-pixel sunken frame
        break;
    }
    const std::wstring text = design.kind == ControlKind::Label || design.kind == ControlKind::CommandButton
                                  ? WideOf(design.text)
                                  : std::wstring();
    HWND control = CreateWindowExW(exStyle, type, text.c_str(), style, 0, 0, 0, 0, window_,
                                   reinterpret_cast<HMENU>(INT_PTR(id)), module_, nullptr);
    if (!control)
        throw std::system_error(int(GetLastError()), std::system_category(), "CreateWindowExW");
    switch (design.kind) {
    case ControlKind::ListBox: {
        auto& list = lists_.at(index);
        list = std::make_unique<ListBox>(control);
        list->SetClickHandler([this, i = design.index] { form_->ListClicked(i); });
        controls_.List1.at(index) = list.get();
        break;
    }
    case ControlKind::TextBox:
        if (design.index < 0) {
            date_ = std::make_unique<TextBox>(control);
            controls_.Text2 = date_.get();
        } else {
            texts_.at(index) = std::make_unique<TextBox>(control);
            controls_.Text1.at(index) = texts_[index].get();
        }
        break;
    case ControlKind::PictureBox: {
        auto box = std::make_unique<PictureBox>(control);
        box->SetDpi(dpi_);
        pictures_.at(index) = std::move(box);
        controls_.Picture1.at(index) = pictures_[index].get();
        break;
    }
    default:
        break;
    }
    return control;
}

PictureRef MenivorWindow::PictureNamed(std::u16string_view name)
{
    // One object for each picture, so that boxes showing the same picture share it.
    auto found = pictureObjects_.find(name);
    if (found == pictureObjects_.end())
        found = pictureObjects_.emplace(name, std::make_shared<Win32Picture>(module_, name)).first;
    return found->second;
}

void MenivorWindow::LayOut(UINT dpi)
{
    const FormDesign& form = menivor::Form;
    HFONT font = CreateFontW(-MulDiv(form.fontPoints, int(dpi), 72), 0, 0, 0, form.fontWeight, FALSE, FALSE, FALSE,
                             DWORD(form.fontCharSet), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             VARIABLE_PITCH | FF_ROMAN, // a serif where the face is missing
                             WideOf(form.fontFace).c_str());
    if (!font)
        throw std::runtime_error("the window's font could not be created");
    dpi_ = dpi;
    const auto pixels = [dpi](int twips) { return menivor::PixelsOf(twips, int(dpi)); };
    for (std::size_t i = 0; i < menivor::Controls.size(); ++i) {
        if (!handles_[i])
            continue;
        const ControlDesign& design = menivor::Controls[i];
        SetWindowPos(handles_[i], nullptr, pixels(design.left), pixels(design.top), pixels(design.width),
                     pixels(design.height), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(handles_[i], WM_SETFONT, WPARAM(font), FALSE);
        if (design.kind == ControlKind::PictureBox)
            static_cast<PictureBox&>(*pictures_.at(std::size_t(design.index))).SetDpi(dpi);
    }
    if (font_)
        DeleteObject(font_);
    font_ = font;

    RECT frame{0, 0, pixels(form.clientWidth), pixels(form.clientHeight)};
    AdjustForDpi(frame, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
    FollowFocus();
}

void MenivorWindow::PlaceOnScreen()
{
    // Centred on the work area (the screen less the task bar), frame included, never with the
    // title bar above the top.
    RECT frame;
    GetWindowRect(window_, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int left = std::max(work.left + (work.right - work.left - width) / 2, work.left);
    const int top = std::max(work.top + (work.bottom - work.top - height) / 2, work.top);
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MenivorWindow::Show(int how)
{
    ShowWindow(window_, how);
    UpdateWindow(window_);
}

int MenivorWindow::Run()
{
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return int(message.wParam);
        if (got == -1)
            return 1;
        if (window_ && IsDialogMessageW(window_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void MenivorWindow::ReportError(std::u16string_view message)
{
    // Shown once the handler has returned (and the window is on the screen, for the load's error).
    pendingErrors_.emplace_back(message);
    PostMessageW(window_, ReportErrorMessage, 0, 0);
}

void MenivorWindow::Announce(std::u16string_view text)
{
    // A UI Automation notification, which Narrator and NVDA speak (Windows 10 1709 and later;
    // looked up so that older systems start too, where the display's name change is all there is).
    HMODULE automation = GetModuleHandleW(L"uiautomationcore.dll");
    if (!automation)
        automation = LoadLibraryW(L"uiautomationcore.dll"); // stays loaded for the process
    const auto host = SystemFunction<HRESULT(WINAPI*)(HWND, IUnknown**)>(automation, "UiaHostProviderFromHwnd");
    const auto raise = SystemFunction<HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR)>(
        automation, "UiaRaiseNotificationEvent");
    IUnknown* provider = nullptr;
    if (!host || !raise || FAILED(host(window_, &provider)) || !provider)
        return;
    BSTR said = SysAllocString(WideOf(text).c_str());
    BSTR activity = SysAllocString(L"MenivorResult");
    constexpr int ActionCompleted = 2, ImportantMostRecent = 1; // NotificationKind, NotificationProcessing
    raise(provider, ActionCompleted, ImportantMostRecent, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    provider->Release();
}

void MenivorWindow::ShowPendingError()
{
    if (pendingErrors_.empty())
        return;
    const std::wstring text = L"Грешка при изпълнение\n\n" + WideOf(pendingErrors_.front());
    pendingErrors_.pop_front();
    MessageBoxW(window_, text.c_str(), WideOf(menivor::Form.caption).c_str(), MB_OK | MB_ICONERROR);
}

void MenivorWindow::OnCommand(int id, int code)
{
    FollowFocus(); // every control reports its gaining and losing the focus
    if (id == IDOK && code == BN_CLICKED) {
        // Enter anywhere in the window arrives here too; it presses the button only where the
        // button has the focus, as a click or Space gives it.
        if (GetFocus() == GetDlgItem(window_, IDOK))
            form_->CalculateClicked();
        return;
    }
    const int row = id - FirstControlId;
    if (row < 0 || row >= int(menivor::Controls.size()))
        return;
    const ControlDesign& design = menivor::Controls[std::size_t(row)];
    if (design.kind == ControlKind::ListBox && code == LBN_SELCHANGE)
        lists_.at(std::size_t(design.index))->OnSelectionChange();
}

void MenivorWindow::DrawButton(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &face, buttonBrush_);
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT caption = face;
    if (pressed)
        OffsetRect(&caption, 1, 1);
    const std::wstring text = WideOf(WindowText(item.hwndItem));
    HGDIOBJ previous = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRef(menivor::Form.textColour));
    DrawTextW(dc, text.c_str(), int(text.size()), &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    if (item.itemState & ODS_FOCUS) {
        const int inset = MulDiv(4, int(dpi_), 96);
        InflateRect(&face, -inset, -inset);
        DrawFocusRect(dc, &face);
    }
}

void MenivorWindow::FollowFocus()
{
    // A ring in the focus colour just outside the control that has the keyboard focus, above
    // every control, seen from the back of a classroom.
    if (!focusFrame_)
        return;
    HWND focus = GetFocus();
    if (!focus || focus == focusFrame_ || GetParent(focus) != window_) {
        ShowWindow(focusFrame_, SW_HIDE);
        return;
    }
    RECT outer;
    GetWindowRect(focus, &outer);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&outer), 2);
    const int width = MulDiv(menivor::Form.focusFrameWidth, int(dpi_), 96);
    InflateRect(&outer, width, width);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    HRGN ring = CreateRectRgn(0, 0, w, h);
    HRGN inside = CreateRectRgn(width, width, w - width, h - width);
    CombineRgn(ring, ring, inside, RGN_DIFF);
    DeleteObject(inside);
    SetWindowRgn(focusFrame_, ring, FALSE); // the system owns the region now
    SetWindowPos(focusFrame_, HWND_TOP, outer.left, outer.top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(focusFrame_, nullptr, TRUE);
}

HBRUSH MenivorWindow::ControlColours(HDC dc, HWND control) const
{
    // Labels and the read-only boxes both ask through WM_CTLCOLORSTATIC, the lists through
    // WM_CTLCOLORLISTBOX: the labels have their own back colour, the rest the field colour.
    const int row = GetDlgCtrlID(control) - FirstControlId;
    const bool label = row >= 0 && row < int(menivor::Controls.size())
                       && menivor::Controls[std::size_t(row)].kind == ControlKind::Label;
    SetTextColor(dc, ColourRef(menivor::Form.textColour));
    SetBkColor(dc, ColourRef(label ? menivor::Form.labelColour : menivor::Form.fieldColour));
    return label ? labelBrush_ : fieldBrush_;
}

LRESULT CALLBACK MenivorWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MenivorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MenivorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    // No exception may cross Windows' own code: one that escapes is reported like a handler's.
    try {
        return self->Handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->ReportError(Utf16Of(error.what())); // UTF-8, as the program's own messages are
    } catch (...) {
        self->ReportError(u"unknown error");
    }
    return 0;
}

LRESULT MenivorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_ACTIVATE:
        // Like a dialog: the focus leaves with the window and comes back to where it was; at the
        // first activation it goes to the first control of the Tab order.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && GetParent(focus) == window_)
                lastFocus_ = focus;
        } else {
            SetFocus(lastFocus_ ? lastFocus_ : GetNextDlgTabItem(window_, nullptr, FALSE));
        }
        FollowFocus();
        return 0;
    case WM_SETFOCUS:
        if (lastFocus_)
            SetFocus(lastFocus_);
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another density: the same window in the same place, at that density.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        LayOut(HIWORD(wParam));
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case ReportErrorMessage:
        ShowPendingError();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0); // closing the window ends the program
        return 0;
    case WM_NCDESTROY: {
        HWND gone = window_;
        window_ = nullptr;
        return DefWindowProcW(gone, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace menivor::win32
