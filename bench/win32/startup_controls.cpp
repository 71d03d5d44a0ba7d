// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The second floor on Windows: the program's window with the same stock
// controls at their places, with their font and text, and no behaviour: no
// colours of their own, no subclassing, no names for screen readers. It ends
// after its first frame, as the program does.

#include <windows.h>

#include <commctrl.h>

#include "bench/win32/first_frame.h"
#include "model/form.h"
#include "ui/layout.h"
#include "ui/win32/text.h"

namespace {

using namespace quillomar;

int dpi = 96;
HFONT font = nullptr;

HWND add(HWND window, const wchar_t *windowClass, const std::u16string &text, DWORD style,
         DWORD extendedStyle, const layout::Twips &place, const layout::Twips &origin = {})
{
    HWND control = CreateWindowExW(
            extendedStyle, windowClass, win32::wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
            layout::toPixels(origin.left + place.left, dpi),
            layout::toPixels(origin.top + place.top, dpi), layout::toPixels(place.width, dpi),
            layout::toPixels(place.height, dpi), window, nullptr, GetModuleHandleW(nullptr),
            nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const INITCOMMONCONTROLSEX controls { sizeof(controls),
                                          ICC_STANDARD_CLASSES | ICC_BAR_CLASSES };
    InitCommonControlsEx(&controls);
    const Form form;
    const layout::Rgb &lilac = layout::WindowColour;
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(RGB(lilac.red, lilac.green, lilac.blue));
    windowClass.lpszClassName = L"Controls";
    RegisterClassW(&windowClass);

    dpi = int(GetDpiForSystem());
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT rect { 0, 0, layout::toPixels(layout::ClientArea.width, dpi),
                layout::toPixels(layout::ClientArea.height, dpi) };
    AdjustWindowRectExForDpi(&rect, style, FALSE, 0, UINT(dpi));
    HWND window = CreateWindowExW(0, L"Controls", win32::wide(layout::Caption).c_str(), style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
    font = CreateFontW(-MulDiv(layout::FontPoints, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                       FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN,
                       win32::wide(layout::FontFamily).c_str());

    const DWORD label = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    add(window, WC_EDITW, form.Text1(0).text(),
        WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE, layout::OutputBox);
    add(window, WC_STATICW, form.Label1(0).caption(), label, 0, layout::Title);
    for (int a = 0; a < form.Option1.count(); ++a)
        add(window, WC_BUTTONW, form.Option1(a).caption(), BS_RADIOBUTTON, 0,
            layout::authorButton(a), layout::Frame);
    add(window, WC_STATICW, form.Label1(1).caption(), label, 0, layout::TaleHeading);
    HWND tales = add(window, WC_LISTBOXW, u"", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                     WS_EX_CLIENTEDGE, layout::TaleList);
    for (int p = 0; p < form.List1(0).listCount(); ++p)
        SendMessageW(tales, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(win32::wide(form.List1(0).list(p)).c_str()));
    add(window, WC_BUTTONW, form.Frame1.caption(), BS_GROUPBOX | WS_CLIPSIBLINGS, 0, layout::Frame);

    ShowWindow(window, show);
    endAfterFirstFrame(window);
}
