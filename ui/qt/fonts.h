// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace quillomar {

// The font of every control: Times New Roman 12 pt, regular, or where it is
// missing a serif face with Cyrillic letters (saying so once on stderr).
// Needs the application object.
QFont controlFont();

} // namespace quillomar
