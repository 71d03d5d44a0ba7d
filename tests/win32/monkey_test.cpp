// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <commctrl.h>

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/test_support.h"
#include "tests/win32/window_support.h"

namespace quillomar {
namespace {

// A random user of the Windows window: clicks at random points and random
// keys, after each of which the controls must show the form object's state.
// QUILLOMAR_SEED replays another sequence; a failure names seed and step.
TEST(Win32MonkeyTest, RandomClicksAndKeysNeverBreakTheWindow)
{
    const INITCOMMONCONTROLSEX controls { sizeof(controls),
                                          ICC_STANDARD_CLASSES | ICC_BAR_CLASSES };
    InitCommonControlsEx(&controls);
    const unsigned seed = test::randomSeed();
    std::mt19937 random(seed);
    const auto below = [&random](int n) { return int(random() % unsigned(n)); };

    win32::MainWindow window;
    ASSERT_TRUE(window.create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    SetForegroundWindow(window.hwnd());
    test::pump(window, 300);
    RECT client;
    GetClientRect(window.hwnd(), &client);

    const WORD keys[] = { VK_UP,    VK_DOWN, VK_LEFT, VK_RIGHT, VK_TAB,
                          VK_SPACE, VK_HOME, VK_END,  VK_PRIOR, VK_NEXT };
    for (int step = 0; step < 400; ++step) {
        std::string action;
        if (below(2) == 0) {
            const POINT point { below(client.right), below(client.bottom) };
            test::sendClick(window.hwnd(), point);
            action = "click at " + std::to_string(point.x) + "," + std::to_string(point.y);
        } else {
            const WORD key = keys[below(int(std::size(keys)))];
            test::sendKey(key, below(4) == 0);
            action = "key " + std::to_string(key);
        }
        test::pump(window, 15);
        ASSERT_EQ(test::differencesFromForm(window), "")
                << "seed " << seed << ", step " << step << ", " << action;
        ASSERT_TRUE(IsWindow(window.hwnd()));
    }
}

} // namespace
} // namespace quillomar
