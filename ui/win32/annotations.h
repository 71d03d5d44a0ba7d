// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

namespace quillomar::win32 {

// What the window tells screen readers beyond the controls' own texts: a
// name or a description of a control, through Dynamic Annotation. It is the
// window's one way to them, and it keeps what it has told, so that the tests
// can read it where oleacc cannot: Wine has no Dynamic Annotation.
class Annotations
{
public:
    Annotations();

    // PROPID_ACC_NAME or PROPID_ACC_DESCRIPTION of `control`'s client area.
    void set(HWND control, const MSAAPROPID &property, const std::wstring &text);
    // What was set last, or nothing.
    std::wstring told(HWND control, const MSAAPROPID &property) const;

private:
    struct ComRelease
    {
        void operator()(IUnknown *object) const { object->Release(); }
    };
    struct Told
    {
        HWND control;
        MSAAPROPID property;
        std::wstring text;
    };

    std::unique_ptr<IAccPropServices, ComRelease> m_services;
    std::vector<Told> m_told;
};

} // namespace quillomar::win32
