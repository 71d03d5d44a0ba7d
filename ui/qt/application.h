// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

namespace quillomar {

// Exit status when no window can be opened.
constexpr int NoDisplayExitCode = 1;

// The whole program: connects to the display, opens the window, runs until it
// is closed and returns the exit status. `shown`, when given, is called with
// the window right after it is shown; the start-up benchmark uses it.
int run(int &argc, char **argv, const std::function<void(QWidget &)> &shown = {});

} // namespace quillomar
