// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gdi.h"

#include <string>

namespace quillomar::win32 {

void drawFocusMark(HDC dc, const RECT &rect, COLORREF colour)
{
    const LOGBRUSH pattern { BS_SOLID, colour, 0 };
    const Gdi<HPEN> pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &pattern, 0, nullptr));
    const Selected withPen(dc, pen.get());
    const Selected hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace quillomar::win32
