// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

int main(int argc, char *argv[])
{
    return quillomar::run(argc, argv);
}
