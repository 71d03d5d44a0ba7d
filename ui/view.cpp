// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "view.h"

#include "ui/layout.h"

namespace quillomar {

View viewOf(const Form &form)
{
    const std::u16string &text = form.Text1(0).text();
    View view { text, -1, form.List1(0).listIndex(), text.substr(0, text.find(u"\r\n")) };
    for (int a = 0; a < form.Option1.count(); ++a) {
        if (form.Option1(a).value())
            view.author = a;
    }
    return view;
}

std::u16string_view withoutPadding(std::u16string_view text)
{
    constexpr std::u16string_view Space = u" \t";
    const auto first = text.find_first_not_of(Space);
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(Space) - first + 1);
}

std::u16string chosenTaleName(const Form &form, const View &view)
{
    if (view.tale < 0 || view.author < 0)
        return {};
    std::u16string name(withoutPadding(form.List1(0).list(view.tale)));
    name += layout::TaleAuthorPrefix;
    name += withoutPadding(form.Option1(view.author).caption());
    return name;
}

} // namespace quillomar
