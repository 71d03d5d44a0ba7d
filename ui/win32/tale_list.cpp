// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tale_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "gdi.h"
#include "text.h"

namespace quillomar::win32 {

void TaleList::create(HWND parent, int id, const RECT &place, HFONT font)
{
    ChildControl::create(parent, WC_LISTBOXW, L"",
                         WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT
                                 | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                         WS_EX_CLIENTEDGE, id, place, font);
    for (int p = 0; p < m_titles.listCount(); ++p)
        SendMessageW(hwnd(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(m_titles.list(p)).c_str()));
}

void TaleList::addTips(HWND parent)
{
    m_tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

int TaleList::selection() const
{
    return int(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
}

void TaleList::select(int tale)
{
    SendMessageW(hwnd(), LB_SETCURSEL, WPARAM(tale), 0);
}

int TaleList::pageRows() const
{
    RECT client;
    GetClientRect(hwnd(), &client);
    const int row = int(SendMessageW(hwnd(), LB_GETITEMHEIGHT, 0, 0));
    return row > 0 ? client.bottom / row : 1;
}

int TaleList::itemHeight(HWND window, HFONT font)
{
    const WindowDc dc(window);
    const Selected selected(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

// Titles are drawn here: the system's pair for a selected item may fall
// short of 4.5:1 (Windows' own default just does).
void TaleList::drawItem(const DRAWITEMSTRUCT &item)
{
    if (item.itemID == UINT(-1))
        return;
    const Colours colours
            = m_palette.of(item.itemState & ODS_SELECTED ? Part::ChosenTale : Part::Tales);
    FillRect(item.hDC, &item.rcItem, m_palette.brush(colours));
    const std::wstring text = wide(m_titles.list(int(item.itemID)));
    RECT label = item.rcItem;
    label.left += 2;
    SetTextColor(item.hDC, colours.text);
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, text.c_str(), int(text.size()), &label,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        drawFocusMark(item.hDC, item.rcItem, colours.text);
}

bool TaleList::fillTip(const NMHDR &header)
{
    if (header.hwndFrom != m_tip || header.code != TTN_GETDISPINFOW)
        return false;
    auto &info = const_cast<NMTTDISPINFOW &>(reinterpret_cast<const NMTTDISPINFOW &>(header));
    m_tipText = m_hovered >= 0 ? wide(m_titles.list(m_hovered)) : std::wstring();
    info.lpszText = m_tipText.data();
    return true;
}

int TaleList::titleAt(LPARAM point) const
{
    const LRESULT hit = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, point);
    return HIWORD(hit) == 0 ? LOWORD(hit) : -1;
}

LRESULT TaleList::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    static constexpr std::pair<WPARAM, ListKey> Keys[] {
        { VK_UP, ListKey::Up },         { VK_DOWN, ListKey::Down }, { VK_PRIOR, ListKey::PageUp },
        { VK_NEXT, ListKey::PageDown }, { VK_HOME, ListKey::Home }, { VK_END, ListKey::End },
        { VK_SPACE, ListKey::Space },
    };
    switch (message) {
    case WM_KEYDOWN: {
        const auto key
                = std::find_if(std::begin(Keys), std::end(Keys),
                               [wParam](const auto &entry) { return entry.first == wParam; });
        const bool plain = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
        if (key != std::end(Keys) && plain && keyPressed) {
            keyPressed(key->second);
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (wParam > L' ' && wParam != 0x7F && typed) {
            typed(char16_t(wParam));
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // Picking the selected title again counts as a choice too.
        const int title = titleAt(lParam);
        const bool again = title >= 0 && title == selection();
        const LRESULT result = callBase(message, wParam, lParam);
        if (again && reselected)
            reselected(title);
        return result;
    }
    case WM_MOUSEMOVE: {
        // A new title under the mouse: the tip goes, to come back with it.
        const int title = titleAt(lParam);
        if (title != m_hovered)
            SendMessageW(m_tip, TTM_POP, 0, 0);
        m_hovered = title;
        break;
    }
    }
    return callBase(message, wParam, lParam);
}

} // namespace quillomar::win32
