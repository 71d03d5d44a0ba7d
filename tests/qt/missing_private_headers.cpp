// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for the window tests when Qt's private headers are missing, so
// that they fail, saying why, rather than go unnoticed.

#include <cstdio>

int main()
{
    std::fputs("quillomar_window_tests: not built: Qt's private headers are missing "
               "(install qt6-base-private-dev, as `make test` does, and configure again)\n",
               stderr);
    return 1;
}
