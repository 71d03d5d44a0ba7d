// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a frame: its size and its children's places at any dots per
// inch, and the colours it follows.

#include "main_window.h"

#include "text.h"
#include "ui/layout.h"

namespace quillomar::win32 {

namespace {

// A layout rectangle in pixels at `dpi`, moved by `origin` (also in twips).
RECT pixels(const layout::Twips &twips, int dpi, const layout::Twips &origin = {})
{
    const layout::Pixels box = layout::toPixels(twips, dpi, origin);
    return { box.left, box.top, box.left + box.width, box.top + box.height };
}

} // namespace

SIZE MainWindow::windowSize(int dpi)
{
    RECT rect = pixels(layout::ClientArea, dpi);
    AdjustWindowRectExForDpi(&rect, WindowStyle, FALSE, 0, UINT(dpi));
    return { rect.right - rect.left, rect.bottom - rect.top };
}

LRESULT MainWindow::handleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 m_palette.brush(m_palette.of(Part::Window)));
        return 1;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        followSystemColours();
        return 0;
    case WM_GETMINMAXINFO: {
        // A fixed size, whatever asks for another: the style gives the user
        // no border to drag and no maximize button, and this holds for the
        // rest (a maximize sent, windows tiled).
        const SIZE size = windowSize(m_dpi);
        auto *limits = reinterpret_cast<MINMAXINFO *>(lParam);
        limits->ptMaxSize = limits->ptMinTrackSize = limits->ptMaxTrackSize = { size.cx, size.cy };
        return 0;
    }
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

RECT MainWindow::placeOf(int id) const
{
    switch (id) {
    case OutputId:
        return pixels(layout::OutputBox, m_dpi);
    case TitleId:
        return pixels(layout::Title, m_dpi);
    case HeadingId:
        return pixels(layout::TaleHeading, m_dpi);
    case FrameId:
        return pixels(layout::Frame, m_dpi);
    case TalesId:
        return pixels(layout::TaleList, m_dpi);
    }
    return pixels(layout::authorButton(id - AuthorId), m_dpi, layout::Frame);
}

Gdi<HFONT> MainWindow::makeFont() const
{
    return Gdi<HFONT>(CreateFontW(-MulDiv(layout::FontPoints, m_dpi, 72), 0, 0, 0, FW_NORMAL, FALSE,
                                  FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN,
                                  wide(layout::FontFamily).c_str()));
}

// On a screen of other dots per inch: every control moves and takes a font
// of the new size, and the window keeps its client area in twips.
void MainWindow::layOut()
{
    Gdi<HFONT> font = makeFont();
    for (HWND control = GetWindow(m_hwnd, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT place = placeOf(GetDlgCtrlID(control));
        MoveWindow(control, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, TRUE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    m_font = std::move(font); // the old one, now unused, goes
    SendMessageW(m_tales.hwnd(), LB_SETITEMHEIGHT, 0, TaleList::itemHeight(m_hwnd, m_font.get()));
    resize();
}

void MainWindow::resize()
{
    const SIZE size = windowSize(m_dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::followSystemColours()
{
    m_palette.followSystem();
    // Common controls learn of new system colours from their window.
    for (HWND control = GetWindow(m_hwnd, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(m_hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

} // namespace quillomar::win32
