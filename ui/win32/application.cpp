// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <commctrl.h>

#include "main_window.h"

namespace quillomar::win32 {

int run(HINSTANCE instance, int show, const std::function<void(HWND)> &shown)
{
    const INITCOMMONCONTROLSEX controls { sizeof(controls),
                                          ICC_STANDARD_CLASSES | ICC_BAR_CLASSES };
    InitCommonControlsEx(&controls);
    // Screen readers' names for the controls go through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 1;
    {
        MainWindow window;
        if (window.create(instance, show)) {
            if (shown)
                shown(window.hwnd());
            MSG message;
            BOOL got;
            while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
                // The dialog manager moves the focus on Tab and Shift+Tab.
                if (!window.hwnd() || !IsDialogMessageW(window.hwnd(), &message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            status = got == 0 ? int(message.wParam) : 1;
        }
    }
    CoUninitialize();
    return status;
}

} // namespace quillomar::win32
