// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor on Windows: a bare window of the program's size and border with
// one static label in the program's font, showing a Bulgarian word, ending
// after its first frame.

#include <windows.h>

#include "bench/win32/first_frame.h"
#include "ui/layout.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);

    const int dpi = int(GetDpiForSystem());
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const int width = quillomar::layout::toPixels(quillomar::layout::ClientArea.width, dpi);
    const int height = quillomar::layout::toPixels(quillomar::layout::ClientArea.height, dpi);
    RECT rect { 0, 0, width, height };
    AdjustWindowRectExForDpi(&rect, style, FALSE, 0, UINT(dpi));
    HWND window = CreateWindowExW(0, L"Floor", L"Quillomar", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  instance, nullptr);
    HWND label = CreateWindowExW(0, L"STATIC", L"Приказка", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0,
                                 width, height, window, nullptr, instance, nullptr);
    HFONT font = CreateFontW(-MulDiv(12, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, L"Times New Roman");
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(window, show);
    endAfterFirstFrame(window);
}
