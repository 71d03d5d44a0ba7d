// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "view.h"

namespace quillomar {

View viewOf(const Form &form)
{
    View view { form.Text1(0).text(), -1, form.List1(0).listIndex() };
    for (int a = 0; a < form.Option1.count(); ++a) {
        if (form.Option1(a).value())
            view.author = a;
    }
    return view;
}

} // namespace quillomar
