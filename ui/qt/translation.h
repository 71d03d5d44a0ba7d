// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace quillomar {

// Makes Qt's own strings (context menus, dialog buttons) Bulgarian, using
// Qt's translations where they are installed. Returns whether they were.
bool installBulgarianQtTranslation(QCoreApplication &app);

} // namespace quillomar
