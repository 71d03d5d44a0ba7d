// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <functional>

namespace quillomar::win32 {

// The whole program on Windows: sets up the common controls and COM, opens
// the window, runs the message loop until the window is closed and returns
// the exit status. `shown`, when given, is called with the window right after
// it is shown; the start-up benchmark uses it.
int run(HINSTANCE instance, int show, const std::function<void(HWND)> &shown = {});

} // namespace quillomar::win32
