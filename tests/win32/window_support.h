// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <string>

#include "tests/test_support.h"
#include "ui/view.h"
#include "ui/win32/main_window.h"

namespace quillomar::test {

// Handles the window's messages for `milliseconds`, as the program's loop
// does. Returns the exit status of a WM_QUIT met on the way, or -1.
inline int pump(const win32::MainWindow &window, DWORD milliseconds = 30)
{
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return int(message.wParam);
            if (!window.hwnd() || !IsDialogMessageW(window.hwnd(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(1);
    } while (GetTickCount() < end);
    return -1;
}

// Real input, through the system's queue, as a user's.
inline void sendKey(WORD key, bool shift = false)
{
    INPUT inputs[4] {};
    int count = 0;
    const auto add = [&](WORD vk, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = flags;
        ++count;
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(UINT(count), inputs, sizeof(INPUT));
}

// A character typed, whatever the keyboard layout.
inline void sendChar(wchar_t character)
{
    INPUT inputs[2] {};
    for (INPUT &input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = WORD(character);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

inline void sendClick(HWND control, POINT point)
{
    ClientToScreen(control, &point);
    SetCursorPos(point.x, point.y);
    INPUT inputs[2] {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

inline std::u16string windowText(HWND hwnd)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return { text.begin(), text.end() };
}

// What the controls show, read back as a View: the edit's text, the checked
// button (-2 for more than one), the list's selection.
inline View shownView(const win32::MainWindow &window)
{
    View view;
    view.text = windowText(window.outputBox());
    for (int a = 0; a < window.form().Option1.count(); ++a) {
        if (SendMessageW(window.author(a), BM_GETCHECK, 0, 0) == BST_CHECKED)
            view.author = view.author == -1 ? a : -2;
    }
    view.tale = int(SendMessageW(window.taleList(), LB_GETCURSEL, 0, 0));
    return view;
}

// Where the controls differ from the form object, or the author group's one
// Tab stop is not its selected button (the first while none is); empty when
// all agree.
inline std::string differencesFromForm(const win32::MainWindow &window)
{
    const std::string shown = differences(window.form(), shownView(window));
    if (!shown.empty())
        return shown;
    const int stop = authorTabStop(viewOf(window.form()));
    for (int a = 0; a < window.form().Option1.count(); ++a) {
        const bool isStop = GetWindowLongPtrW(window.author(a), GWL_STYLE) & WS_TABSTOP;
        if (isStop != (a == stop))
            return "Tab stop on author " + std::to_string(a);
    }
    return {};
}

} // namespace quillomar::test
