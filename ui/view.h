// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form.h"

namespace quillomar {

// What a window shows of the form object, whatever the toolkit: every window
// brings its controls in line with this after each user action, and the tests
// of every window compare their controls with it.
struct View
{
    std::u16string text; // the output box, CR LF line ends
    int author = -1; // the checked author button, or -1
    int tale = -1; // the selected tale, or -1
    // The output box's description for screen readers: the report's first
    // line ("Избран автор: ..."), or the introduction's.
    std::u16string description;

    friend bool operator==(const View &, const View &) = default;
};

View viewOf(const Form &form);

// A caption or title without the spaces it is padded with.
std::u16string_view withoutPadding(std::u16string_view text);

// What a screen reader calls the chosen tale: its title and its author's
// name, without their padding, as "title, автор: author"; empty while no tale
// is chosen.
std::u16string chosenTaleName(const Form &form, const View &view);

// The author group's one Tab stop: the checked button, or the first.
inline int authorTabStop(const View &view)
{
    return view.author < 0 ? 0 : view.author;
}

} // namespace quillomar
