// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "annotations.h"

#include <algorithm>

namespace quillomar::win32 {

Annotations::Annotations()
{
    IAccPropServices *services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void **>(&services))))
        m_services.reset(services);
}

void Annotations::set(HWND control, const MSAAPROPID &property, const std::wstring &text)
{
    if (m_services)
        m_services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, property,
                                   text.c_str());
    const auto same = [&](const Told &told) {
        return told.control == control && IsEqualGUID(told.property, property);
    };
    const auto found = std::find_if(m_told.begin(), m_told.end(), same);
    if (found != m_told.end())
        found->text = text;
    else
        m_told.push_back({ control, property, text });
}

std::wstring Annotations::told(HWND control, const MSAAPROPID &property) const
{
    for (const Told &told : m_told) {
        if (told.control == control && IsEqualGUID(told.property, property))
            return told.text;
    }
    return {};
}

} // namespace quillomar::win32
