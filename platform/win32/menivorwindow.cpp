// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/menivorwindow.h"

#include "platform/win32/dpi.h"
#include "platform/win32/text.h"
#include "platform/win32/windowclass.h"
#include "window/conversions.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace menivor::win32 {

namespace {

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
        focusFrame_ = std::make_unique<FocusFrame>(module_, window_); // each control reports its focus
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
                                   WS_CHILD | WS_VISIBLE | (TakesFocus(design.kind) ? WS_TABSTOP : 0) | style, place.left, place.top, place.width, place.height,
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
    HWND list = Create(design, place, L"LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                       WS_EX_CLIENTEDGE);
    auto& box = lists_.at(std::size_t(design.index));
    box = std::make_unique<ListBox>(list);
    box->SetClickHandler(std::move(clicked));
    return *box;
}

TextControl& MenivorWindow::MakeTextBox(const ControlDesign& design, PixelBox place)
{
    // The date box is one centred line; the description wraps and scrolls.
    const DWORD shape = design.lines == TextLines::One ? ES_CENTER | ES_AUTOHSCROLL : ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    HWND edit = Create(design, place, L"EDIT", ES_READONLY | shape, WS_EX_CLIENTEDGE);
    return *textBoxes_.emplace_back(std::make_unique<TextBox>(edit));
}

void MenivorWindow::MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed)
{
    // Owner-drawn for its colour. Such a button cannot be a dialog's default button: with the
    // id IDOK, Enter reaches it through the dialog keys all the same.
    Create(design, place, L"BUTTON", BS_OWNERDRAW | BS_NOTIFY, 0);
    pressed_ = std::move(pressed);
}

PictureControl& MenivorWindow::MakePictureBox(const ControlDesign& design, PixelBox place)
{
    // The designed frame is the client edge, which Windows draws sunken, two pixels at 96 dpi.
    static_assert(menivor::Form.pictureFrameWidth == 2, "a client edge is two pixels wide");
    HWND box = Create(design, place, PictureBox::ClassName, 0, WS_EX_CLIENTEDGE);
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
    focusFrame_->Follow(dpi_);
}

void MenivorWindow::FitToClientArea()
{
    RECT frame{0, 0, PixelsOf(menivor::Form.clientWidth, int(dpi_)), PixelsOf(menivor::Form.clientHeight, int(dpi_))};
    AdjustForDpi(frame, WindowStyle, WindowExStyle, dpi_);
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

} // namespace menivor::win32
