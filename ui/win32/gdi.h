// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace quillomar::win32 {

// GDI objects (fonts, brushes, pens) are owned and deleted with their owner.
struct GdiDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template<typename Handle>
using Gdi = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// An object selected into a device context while this lives; the one it
// replaced comes back after.
class Selected
{
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_replaced(SelectObject(dc, object)) { }
    ~Selected() { SelectObject(m_dc, m_replaced); }
    Selected(const Selected &) = delete;
    Selected &operator=(const Selected &) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_replaced;
};

// A window's device context while this lives.
class WindowDc
{
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) { }
    ~WindowDc() { ReleaseDC(m_window, m_dc); }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;

    operator HDC() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// A focus mark round `rect` in the text's own colour: dotted, as Windows
// draws it, but not inverted, which on some of the fixed backgrounds is
// barely seen.
void drawFocusMark(HDC dc, const RECT &rect, COLORREF colour);

// The text of a window, such as a control's caption.
std::wstring windowText(HWND window);

} // namespace quillomar::win32
