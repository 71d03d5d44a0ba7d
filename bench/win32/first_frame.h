// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <cstdlib>

// Every program of the start-up benchmark ends the same way: right after its
// window's first frame, at once, without tearing its windows down.
// QUILLOMAR_HOLD_FRAME_MS keeps it that long first, handling no message, so
// that a screenshot can show the frame has reached the X server by then.
[[noreturn]] inline void endAfterFirstFrame(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    if (const char *hold = std::getenv("QUILLOMAR_HOLD_FRAME_MS"))
        Sleep(DWORD(std::atoi(hold)));
    ExitProcess(0);
}
