// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace quillomar {

// One entry of the tale list and, at the same position, of the author-index list.
struct Tale
{
    std::u16string_view title;
    std::u16string_view authorIndex; // decimal text of the author's index, "0".."8"
};

// Everything the form is filled with when it is created. Text is UTF-16;
// line breaks are CR LF.
struct Catalogue
{
    std::span<const std::u16string_view> authors; // Option1 captions, by author index
    std::span<const std::u16string_view> biographies; // List1(2), by author index
    std::span<const Tale> tales; // List1(0) and List1(1), in stored order
    std::u16string_view introduction; // Text1(0) at start
    std::u16string_view quotation; // Text1(1), never shown
    std::u16string_view title; // Label1(0)
    std::u16string_view taleHeading; // Label1(1)
    std::u16string_view frameCaption; // Frame1
};

// The program's content: nine authors, forty-eight tales.
const Catalogue &builtInCatalogue();

} // namespace quillomar
