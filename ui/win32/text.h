// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quillomar::win32 {

// The core's text is UTF-16, as Windows' own: the same code units, so the
// copy only changes the character type.
inline std::wstring wide(std::u16string_view text)
{
    return { text.begin(), text.end() };
}

// A run-time error's message is UTF-8; Windows shows UTF-16.
std::wstring fromUtf8(std::string_view text);

} // namespace quillomar::win32
