// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Resource identifiers, shared by the resource script and the code.
#define IDI_QUILLOMAR 1
