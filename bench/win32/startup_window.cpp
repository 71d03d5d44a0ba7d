// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program itself on Windows, ending after its window's first frame.

#include "bench/win32/first_frame.h"
#include "ui/win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    return quillomar::win32::run(instance, show, endAfterFirstFrame);
}
