// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "child_control.h"

#include <commctrl.h>

namespace quillomar::win32 {

HWND createChild(HWND parent, const wchar_t *windowClass, const std::wstring &text, DWORD style,
                 DWORD extendedStyle, int id, const RECT &place, HFONT font)
{
    HWND child = CreateWindowExW(
            extendedStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
            place.top, place.right - place.left, place.bottom - place.top, parent,
            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void ChildControl::create(HWND parent, const wchar_t *windowClass, const std::wstring &text,
                          DWORD style, DWORD extendedStyle, int id, const RECT &place, HFONT font)
{
    m_hwnd = createChild(parent, windowClass, text, style, extendedStyle, id, place, font);
    SetWindowSubclass(m_hwnd, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ChildControl::subclassProc(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR self)
{
    auto *object = reinterpret_cast<ChildControl *>(self);
    if (message == WM_NCDESTROY) {
        // The control goes before its object: it calls this object no more.
        RemoveWindowSubclass(control, subclassProc, id);
        object->m_hwnd = nullptr;
        return DefSubclassProc(control, message, wParam, lParam);
    }
    return object->handleMessage(message, wParam, lParam);
}

LRESULT ChildControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return callBase(message, wParam, lParam);
}

LRESULT ChildControl::callBase(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT PaintedButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        PAINTSTRUCT paintStruct;
        HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd(), &paintStruct);
        paint(dc);
        if (!wParam)
            EndPaint(hwnd(), &paintStruct);
        return 0;
    }
    case WM_ERASEBKGND: // painting covers it all
        return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        // The button draws itself straight away on these: draw it again, our way.
        const LRESULT result = ChildControl::handleMessage(message, wParam, lParam);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return result;
    }
    }
    return ChildControl::handleMessage(message, wParam, lParam);
}

} // namespace quillomar::win32
