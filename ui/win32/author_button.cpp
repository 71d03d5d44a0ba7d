// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author_button.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <string>

#include "gdi.h"
#include "ui/layout.h"

namespace quillomar::win32 {

bool AuthorButton::isChoice(int code) const
{
    // The second click of a double click is a click too.
    return (code == BN_CLICKED || code == BN_DOUBLECLICKED) && !m_focusing;
}

LRESULT AuthorButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return PaintedButton::handleMessage(message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN: {
        const int step = wParam == VK_UP || wParam == VK_LEFT ? -1
                : wParam == VK_DOWN || wParam == VK_RIGHT     ? 1
                                                              : 0;
        if (step && stepped) {
            stepped(step);
            return 0;
        }
        break;
    }
    case WM_SETFOCUS: {
        m_focusing = true;
        const LRESULT result = PaintedButton::handleMessage(message, wParam, lParam);
        m_focusing = false;
        return result;
    }
    }
    return PaintedButton::handleMessage(message, wParam, lParam);
}

int AuthorButton::paintMark(HDC dc, const RECT &client)
{
    const LRESULT state = SendMessageW(hwnd(), BM_GETSTATE, 0, 0);
    const bool checked = state & BST_CHECKED, pushed = state & BST_PUSHED;
    const int side = layout::scaled(layout::RadioMark, m_dpi);
    SIZE box { side, side };
    HTHEME theme = GetWindowTheme(hwnd());
    int themeState = checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
    if (pushed)
        themeState += 2; // RBS_..PRESSED
    else if (state & BST_HOT)
        themeState += 1; // RBS_..HOT
    if (theme)
        GetThemePartSize(theme, dc, BP_RADIOBUTTON, themeState, nullptr, TS_DRAW, &box);
    const int top = (client.bottom - box.cy) / 2;
    RECT mark { client.left, top, client.left + box.cx, top + box.cy };
    if (theme)
        DrawThemeBackground(theme, dc, BP_RADIOBUTTON, themeState, &mark, nullptr);
    else
        DrawFrameControl(dc, &mark, DFC_BUTTON,
                         DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0)
                                 | (pushed ? DFCS_PUSHED : 0));
    return mark.right + layout::scaled(layout::RadioGap, m_dpi);
}

void AuthorButton::paint(HDC dc)
{
    const Colours colours = m_palette.of(Part::Author, m_author);
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, m_palette.brush(colours));
    RECT label { paintMark(dc, client), client.top, client.right, client.bottom };

    const std::wstring text = windowText(hwnd());
    const Selected font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT;
    SetTextColor(dc, colours.text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), int(text.size()), &label, format);
    if (GetFocus() != hwnd() || (SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        return;
    RECT mark = label;
    DrawTextW(dc, text.c_str(), int(text.size()), &mark, format | DT_CALCRECT);
    const int height = mark.bottom - mark.top;
    mark.top = (client.bottom - height) / 2 - 1;
    mark.bottom = mark.top + height + 2;
    mark.left -= 2;
    mark.right = std::min(mark.right + 2, client.right);
    drawFocusMark(dc, mark, colours.text);
}

} // namespace quillomar::win32
