// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "model/form.h"

namespace quillomar::test {

// Splits report text at CR LF. Text that does not end in CR LF yields a last
// piece that is not a whole line, so callers can spot it.
inline std::vector<std::u16string> crlfLines(const std::u16string &text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back(text.substr(start) + u"<no CR LF>");
    return lines;
}

// Index of the one selected author button, -1 for none, -2 for more than one.
inline int selectedAuthor(const Form &form)
{
    int selected = -1;
    for (int a = 0; a < form.Option1.count(); ++a) {
        if (form.Option1(a).value())
            selected = selected == -1 ? a : -2;
    }
    return selected;
}

} // namespace quillomar::test
