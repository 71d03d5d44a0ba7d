// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quillomar {

// The core's UTF-16 text as UTF-8, for the files the build writes.
inline std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
        } else {
            out += char(0xF0 | c >> 18);
            out += char(0x80 | (c >> 12 & 0x3F));
            out += char(0x80 | (c >> 6 & 0x3F));
        }
        if (c >= 0x80)
            out += char(0x80 | (c & 0x3F));
    }
    return out;
}

// An element's name as the page's id: "List1(0)" -> "List1_0".
inline std::string elementId(const std::string &elementName)
{
    std::string id;
    for (char c : elementName)
        if (c != ')')
            id += c == '(' ? '_' : c;
    return id;
}

} // namespace quillomar
