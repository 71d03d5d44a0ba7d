// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author_frame.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <string>

#include "gdi.h"
#include "ui/layout.h"

namespace quillomar::win32 {

void AuthorFrame::paint(HDC dc)
{
    const Colours colours = m_palette.of(Part::Frame);
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, m_palette.brush(colours));

    const Selected font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    if (HTHEME theme = GetWindowTheme(hwnd()))
        DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &border, nullptr);
    else
        DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    // The caption on the line, on the frame's own colour.
    const std::wstring caption = windowText(hwnd());
    const int inset = layout::scaled(layout::FrameCaptionInset, m_dpi);
    RECT label { client.left + inset, client.top, client.right - inset,
                 client.top + metrics.tmHeight };
    DrawTextW(dc, caption.c_str(), int(caption.size()), &label,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    RECT backing = label;
    InflateRect(&backing, 2, 0);
    FillRect(dc, &backing, m_palette.brush(colours));
    SetTextColor(dc, colours.text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &label, DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace quillomar::win32
