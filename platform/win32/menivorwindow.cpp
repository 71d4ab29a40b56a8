// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/menivorwindow.h"

#include "platform/win32/text.h"
#include "platform/win32/windowclass.h"
#include "window/conversions.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace menivor::win32 {

namespace {

constexpr UINT ReportErrorMessage = WM_APP + 1;
constexpr int FirstControlId = 100; // row i of the layout table is control id 100 + i; the button is IDOK
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; // close button only
constexpr DWORD WindowExStyle = WS_EX_CONTROLPARENT;

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

Font WindowFont(UINT dpi)
{
    const FormDesign& form = menivor::Form;
    Font font(CreateFontW(-MulDiv(form.fontPoints, int(dpi), 72), 0, 0, 0, form.fontWeight, FALSE, FALSE, FALSE,
                          DWORD(form.fontCharSet), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                          VARIABLE_PITCH | FF_ROMAN, // a serif where the face is missing
                          WideOf(form.fontFace).c_str()));
    if (!font)
        throw std::runtime_error("the window's font could not be created");
    return font;
}

std::size_t RowOf(const ControlDesign& design)
{
    return std::size_t(&design - menivor::Controls.data());
}

} // namespace

MenivorWindow::MenivorWindow(HINSTANCE module, const Clock& clock)
    : module_(module)
    , backBrush_(SolidBrush(menivor::Form.backColour))
    , labelBrush_(SolidBrush(menivor::Form.labelColour))
    , fieldBrush_(SolidBrush(menivor::Form.fieldColour))
{
    RegisterClass();
    PictureBox::Register(module_);
    window_ = CreateWindowExW(WindowExStyle, ClassName, WideOf(menivor::Form.caption).c_str(), WindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, module, this);
    if (!window_)
        throw std::system_error(int(GetLastError()), std::system_category(), "CreateWindowExW");
    try {
        dpi_ = DpiOf(window_);
        font_ = WindowFont(dpi_);
        focusRing_ = std::make_unique<FocusRing>(module_, window_); // each control reports its focus
        form_.emplace(static_cast<ControlFactory&>(*this), int(dpi_), clock, static_cast<ErrorReporter&>(*this),
                      static_cast<Announcer&>(*this));
        FitToClientArea();
        PlaceOnScreen();
        form_->Load();
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

MenivorWindow::~MenivorWindow()
{
    form_.reset();
    if (window_)
        DestroyWindow(window_);
}

void MenivorWindow::RegisterClass() const
{
    // No class brush: the window paints its own background (a class outlives any one window).
    WNDCLASSEXW type = WindowClass(module_, Procedure, ClassName);
    // Icon 1 of the executable; Windows picks the best of its sizes for each use.
    type.hIcon = HICON(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                  GetSystemMetrics(SM_CYICON), LR_SHARED));
    type.hIconSm = HICON(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    Register(type);
}

HWND MenivorWindow::Create(const ControlDesign& design, PixelBox place, const wchar_t* type, DWORD style,
                           DWORD exStyle)
{
    const bool captioned = design.kind == ControlKind::Label || design.kind == ControlKind::CommandButton;
    const int id = design.kind == ControlKind::CommandButton ? IDOK : FirstControlId + int(RowOf(design));
    HWND control = CreateWindowExW(exStyle, type, captioned ? WideOf(design.text).c_str() : L"",
                                   WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.width, place.height,
                                   window_, reinterpret_cast<HMENU>(INT_PTR(id)), module_, nullptr);
    if (!control)
        throw std::system_error(int(GetLastError()), std::system_category(), "CreateWindowExW");
    SetWindowFont(control, font_.get(), FALSE);
    accessibility_.Annotate(control, design);
    handles_[RowOf(design)] = control;
    return control;
}

void MenivorWindow::MakeLabel(const ControlDesign& design, PixelBox place)
{
    Create(design, place, L"STATIC", SS_CENTER | SS_NOPREFIX, 0);
}

ListControl& MenivorWindow::MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked)
{
    HWND list = Create(design, place, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                       WS_EX_CLIENTEDGE);
    auto& box = lists_.at(std::size_t(design.index));
    box = std::make_unique<ListBox>(list);
    box->SetClickHandler(std::move(clicked));
    return *box;
}

TextControl& MenivorWindow::MakeTextBox(const ControlDesign& design, PixelBox place)
{
    // The date box is one centred line; the description wraps and scrolls.
    const DWORD shape = design.index < 0 ? ES_CENTER | ES_AUTOHSCROLL : ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    HWND edit = Create(design, place, L"EDIT", WS_TABSTOP | ES_READONLY | shape, WS_EX_CLIENTEDGE);
    return *textBoxes_.emplace_back(std::make_unique<TextBox>(edit));
}

void MenivorWindow::MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed)
{
    // Owner-drawn for its colour. Such a button cannot be a dialog's default button: with the
    // id IDOK, Enter reaches it through the dialog keys all the same.
    Create(design, place, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 0);
    pressed_ = std::move(pressed);
}

PictureControl& MenivorWindow::MakePictureBox(const ControlDesign& design, PixelBox place)
{
    HWND box = Create(design, place, PictureBox::ClassName, 0, WS_EX_CLIENTEDGE); // the 2-pixel sunken frame
    auto& made = pictureBoxes_.emplace_back(std::make_unique<PictureBox>(box));
    made->SetDpi(dpi_);
    return *made;
}

PictureRef MenivorWindow::LoadPicture(std::u16string_view name)
{
    return std::make_shared<Win32Picture>(module_, name);
}

void MenivorWindow::LayOut(UINT dpi)
{
    font_ = WindowFont(dpi);
    dpi_ = dpi;
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        if (!handles_[i])
            continue;
        const PixelBox place = PixelBoxOf(menivor::Controls[i], int(dpi));
        SetWindowPos(handles_[i], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowFont(handles_[i], font_.get(), FALSE);
    }
    for (auto& box : pictureBoxes_)
        box->SetDpi(dpi);
    FitToClientArea();
    InvalidateRect(window_, nullptr, TRUE);
    focusRing_->Follow(dpi_);
}

void MenivorWindow::FitToClientArea()
{
    RECT frame{0, 0, PixelsOf(menivor::Form.clientWidth, int(dpi_)), PixelsOf(menivor::Form.clientHeight, int(dpi_))};
    AdjustForDpi(frame, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    Accessibility::Announce(window_, text);
}

void MenivorWindow::ShowPendingError()
{
    if (pendingErrors_.empty())
        return;
    const std::wstring text = WideOf(menivor::Form.errorHeading) + L"\n\n" + WideOf(pendingErrors_.front());
    pendingErrors_.pop_front();
    MessageBoxW(window_, text.c_str(), WideOf(menivor::Form.caption).c_str(), MB_OK | MB_ICONERROR);
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

// The message crackers of <windowsx.h> call a handler with the window first; ours know it.
#define MENIVOR_ON(handler) [this](HWND, auto... arguments) { return handler(arguments...); }

LRESULT MenivorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window_, WM_COMMAND, MENIVOR_ON(OnCommand));
        HANDLE_MSG(window_, WM_CTLCOLORSTATIC, MENIVOR_ON(OnCtlColor));
        HANDLE_MSG(window_, WM_CTLCOLOREDIT, MENIVOR_ON(OnCtlColor));
        HANDLE_MSG(window_, WM_CTLCOLORLISTBOX, MENIVOR_ON(OnCtlColor));
        HANDLE_MSG(window_, WM_ERASEBKGND, MENIVOR_ON(OnEraseBkgnd));
        HANDLE_MSG(window_, WM_ACTIVATE, MENIVOR_ON(OnActivate));
        HANDLE_MSG(window_, WM_SETFOCUS, MENIVOR_ON(OnSetFocus));
        HANDLE_MSG(window_, WM_DESTROY, MENIVOR_ON(OnDestroy));
    case WM_DRAWITEM:
        button_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), font_.get(), dpi_);
        return TRUE;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case ReportErrorMessage:
        ShowPendingError();
        return 0;
    case WM_NCDESTROY: {
        HWND gone = window_;
        window_ = nullptr;
        return DefWindowProcW(gone, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

#undef MENIVOR_ON

void MenivorWindow::OnCommand(int id, HWND, UINT code)
{
    focusRing_->Follow(dpi_); // every control reports its gaining and losing the focus
    if (id == IDOK && code == BN_CLICKED) {
        // Enter anywhere in the window arrives here too; it presses the button only where the
        // button has the focus, as a click or Space gives it.
        if (GetFocus() == GetDlgItem(window_, IDOK) && pressed_)
            pressed_();
        return;
    }
    const int row = id - FirstControlId;
    if (row < 0 || row >= int(menivor::Controls.size()) || code != LBN_SELCHANGE)
        return;
    const ControlDesign& design = menivor::Controls[std::size_t(row)];
    if (design.kind == ControlKind::ListBox)
        lists_.at(std::size_t(design.index))->OnSelectionChange();
}

HBRUSH MenivorWindow::OnCtlColor(HDC dc, HWND control, int) const
{
    // Labels and the read-only boxes both ask through WM_CTLCOLORSTATIC, the lists through
    // WM_CTLCOLORLISTBOX: the labels have their own back colour, the rest the field colour.
    const int row = GetDlgCtrlID(control) - FirstControlId;
    const bool label = row >= 0 && row < int(menivor::Controls.size())
                       && menivor::Controls[std::size_t(row)].kind == ControlKind::Label;
    SetTextColor(dc, ColourRef(menivor::Form.textColour));
    SetBkColor(dc, ColourRef(label ? menivor::Form.labelColour : menivor::Form.fieldColour));
    return label ? labelBrush_.get() : fieldBrush_.get();
}

BOOL MenivorWindow::OnEraseBkgnd(HDC dc) const
{
    RECT all;
    GetClientRect(window_, &all);
    FillRect(dc, &all, backBrush_.get());
    return TRUE;
}

void MenivorWindow::OnActivate(UINT state, HWND, BOOL)
{
    // Like a dialog: the focus leaves with the window and comes back to where it was; at the
    // first activation it goes to the first control of the Tab order.
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && GetParent(focus) == window_)
            lastFocus_ = focus;
    } else {
        SetFocus(lastFocus_ ? lastFocus_ : GetNextDlgTabItem(window_, nullptr, FALSE));
    }
    focusRing_->Follow(dpi_);
}

void MenivorWindow::OnSetFocus(HWND)
{
    if (lastFocus_)
        SetFocus(lastFocus_);
}

void MenivorWindow::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    // Moved to a screen of another density: the same window in the same place, at that density.
    LayOut(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MenivorWindow::OnDestroy()
{
    PostQuitMessage(0); // closing the window ends the program
}

} // namespace menivor::win32
