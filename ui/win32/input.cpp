// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's input: clicks and keys on its controls become user actions.

#include "main_window.h"
#include "ui/view.h"

#include <commctrl.h>

#include <algorithm>

namespace quillomar::win32 {

LRESULT CALLBACK MainWindow::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *window = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return window->handleControlMessage(control, message, wParam, lParam);
}

void MainWindow::subclass(HWND control)
{
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    WNDPROC &base = control == m_tales ? m_listProc : m_buttonProc;
    base = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc)));
}

LRESULT MainWindow::callBase(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcW(control == m_tales ? m_listProc : m_buttonProc, control, message, wParam,
                           lParam);
}

LRESULT MainWindow::handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (control == m_tales)
        return handleTaleListMessage(message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        PAINTSTRUCT paint;
        HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(control, &paint);
        if (control == m_frame)
            paintFrame(dc);
        else
            paintAuthor(control, dc);
        if (!wParam)
            EndPaint(control, &paint);
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
        const LRESULT result = control == m_frame
                ? callBase(control, message, wParam, lParam)
                : handleAuthorMessage(control, message, wParam, lParam);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return result;
    }
    }
    return control == m_frame ? callBase(control, message, wParam, lParam)
                              : handleAuthorMessage(control, message, wParam, lParam);
}

LRESULT MainWindow::handleAuthorMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int a = GetDlgCtrlID(button) - AuthorId;
    switch (message) {
    case WM_GETDLGCODE: // the arrow keys are the button's, not the dialog manager's
        return callBase(button, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_LEFT) {
            stepAuthor(a, -1);
            return 0;
        }
        if (wParam == VK_DOWN || wParam == VK_RIGHT) {
            stepAuthor(a, 1);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // Windows clicks a radio button that takes the focus unchecked; here
        // taking the focus chooses no one.
        m_focusingAuthor = true;
        const LRESULT result = callBase(button, message, wParam, lParam);
        m_focusingAuthor = false;
        return result;
    }
    }
    return callBase(button, message, wParam, lParam);
}

LRESULT MainWindow::handleTaleListMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: {
        // The moving keys choose what the runner says, not what the list would.
        static constexpr std::pair<WPARAM, ListKey> keys[] {
            { VK_UP, ListKey::Up },        { VK_DOWN, ListKey::Down },
            { VK_PRIOR, ListKey::PageUp }, { VK_NEXT, ListKey::PageDown },
            { VK_HOME, ListKey::Home },    { VK_END, ListKey::End },
            { VK_SPACE, ListKey::Space },
        };
        const auto key
                = std::find_if(std::begin(keys), std::end(keys),
                               [wParam](const auto &entry) { return entry.first == wParam; });
        if (key != std::end(keys) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0) {
            follow(m_runner.pressListKey(key->second, pageRows()));
            return 0;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // Picking the selected title again counts as a choice too.
        const LRESULT hit = SendMessageW(m_tales, LB_ITEMFROMPOINT, 0, lParam);
        const bool again
                = HIWORD(hit) == 0 && LOWORD(hit) == SendMessageW(m_tales, LB_GETCURSEL, 0, 0);
        const LRESULT result = callBase(m_tales, message, wParam, lParam);
        if (again)
            follow(m_runner.chooseTale(LOWORD(hit)));
        return result;
    }
    case WM_MOUSEMOVE: {
        // A new title under the mouse: the tip goes, to come back with it.
        const LRESULT hit = SendMessageW(m_tales, LB_ITEMFROMPOINT, 0, lParam);
        const int item = HIWORD(hit) == 0 ? LOWORD(hit) : -1;
        if (item != m_hoveredTale)
            SendMessageW(m_tooltip, TTM_POP, 0, 0);
        m_hoveredTale = item;
        break;
    }
    }
    return callBase(m_tales, message, wParam, lParam);
}

LRESULT MainWindow::onNotify(const NMHDR &header)
{
    if (header.hwndFrom != m_tooltip || header.code != TTN_GETDISPINFOW)
        return 0;
    auto &info = const_cast<NMTTDISPINFOW &>(reinterpret_cast<const NMTTDISPINFOW &>(header));
    m_tooltipText.clear();
    if (m_hoveredTale >= 0) {
        m_tooltipText.resize(
                std::size_t(SendMessageW(m_tales, LB_GETTEXTLEN, WPARAM(m_hoveredTale), 0)));
        SendMessageW(m_tales, LB_GETTEXT, WPARAM(m_hoveredTale),
                     reinterpret_cast<LPARAM>(m_tooltipText.data()));
    }
    info.lpszText = m_tooltipText.data();
    return 0;
}

void MainWindow::onCommand(int id, int code)
{
    if (id >= AuthorId && id < AuthorId + int(m_authors.size())) {
        // The second click of a double click is a click too.
        if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !m_focusingAuthor)
            follow(m_runner.chooseAuthor(id - AuthorId));
    } else if (id == TalesId && code == LBN_SELCHANGE) {
        const int p = int(SendMessageW(m_tales, LB_GETCURSEL, 0, 0));
        if (p >= 0)
            follow(m_runner.chooseTale(p));
    }
}

void MainWindow::stepAuthor(int from, int step)
{
    const Outcome outcome = m_runner.stepAuthor(from, step);
    follow(outcome);
    if (outcome == Outcome::Changed)
        SetFocus(m_authors[std::size_t(m_runner.view().author)]);
}

int MainWindow::pageRows() const
{
    RECT client;
    GetClientRect(m_tales, &client);
    const int row = int(SendMessageW(m_tales, LB_GETITEMHEIGHT, 0, 0));
    return row > 0 ? client.bottom / row : 1;
}

void MainWindow::follow(Outcome outcome)
{
    if (outcome == Outcome::Changed)
        showForm();
    else if (outcome == Outcome::Ended)
        fail();
}

} // namespace quillomar::win32
