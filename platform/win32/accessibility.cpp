// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/accessibility.h"

#include "platform/win32/text.h"

namespace menivor::win32 {

Accessibility::Accessibility()
{
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void**>(&services))))
        services_.reset(services);
}

void Accessibility::Annotate(HWND control, const ControlDesign& design) const
{
    if (!services_)
        return;
    const bool picture = design.kind == ControlKind::PictureBox;
    // A picture box's name is its window text, which follows the phase it shows.
    if (!picture && !design.accessibleName.empty())
        services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                  WideOf(design.accessibleName).c_str());
    if (!design.accessibleDescription.empty())
        services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                  WideOf(design.accessibleDescription).c_str());
    if (picture) {
        VARIANT role;
        VariantInit(&role);
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_GRAPHIC;
        services_->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
}

void Accessibility::Announce(HWND window, std::u16string_view text)
{
    // Narrator and NVDA speak a UI Automation notification.
    HMODULE automation = GetModuleHandleW(L"uiautomationcore.dll");
    if (!automation)
        automation = LoadLibraryW(L"uiautomationcore.dll"); // stays loaded for the process
    const auto host = SystemFunction<HRESULT(WINAPI*)(HWND, IUnknown**)>(automation, "UiaHostProviderFromHwnd");
    const auto raise = SystemFunction<HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR)>(
        automation, "UiaRaiseNotificationEvent");
    IUnknown* found = nullptr;
    if (!host || !raise || FAILED(host(window, &found)) || !found)
        return;
    const ComPtr<IUnknown> provider(found);
    const Bstr said(SysAllocString(WideOf(text).c_str()));
    const Bstr activity(SysAllocString(L"MenivorResult"));
    constexpr int ActionCompleted = 2, ImportantMostRecent = 1; // NotificationKind, NotificationProcessing
    raise(provider.get(), ActionCompleted, ImportantMostRecent, said.get(), activity.get());
}

} // namespace menivor::win32
