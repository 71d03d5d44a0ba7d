// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program itself, ending after its window's first frame.

#include "first_frame.h"
#include "ui/qt/application.h"

int main(int argc, char *argv[])
{
    return quillomar::run(argc, argv, quitAfterFirstFrame);
}
