// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "catalogue.h"
#include "control_array.h"
#include "controls.h"

namespace quillomar {

// Values of ClickGuard: which selection handler is running.
enum : std::int16_t { GuardIdle = 0, GuardTale = 1, GuardAuthor = 2 };

// The form object: the window's controls with their content, three form-level
// variables, and the handlers. It runs without a screen; the window only
// shows it and turns clicks into UserSelectsTale / UserSelectsAuthor.
//
// How a tale click travels: UserSelectsTale(p) selects item p of List1(0) and
// raises List1_Click. The handler sets ClickGuard to GuardTale, reads the
// author index at position p of List1(1) and sets Option1(a).Value, which
// raises Option1_Click(a) synchronously; that nested call sees GuardTale and
// returns at once. ShowAuthorInfo then writes the report into Text1(0) and
// sets the guard back to GuardIdle. An author click takes the mirror road:
// Option1_Click clears the tale selection, whose echo List1_Click sees
// GuardAuthor and returns at once.
class Form
{
public:
    // Fills the controls from the catalogue; the handlers are attached here.
    explicit Form(const Catalogue &catalogue = builtInCatalogue());
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // The user selects tale p (0 <= p < List1(0).listCount()). Choosing the
    // tale that is already selected counts as a new choice and raises the
    // event again, so the report is written again.
    void UserSelectsTale(int p);
    // The user selects author a (0..8). Choosing the selected author again
    // raises the event again: the tale selection is cleared, as after any
    // author choice, and the report is written again.
    void UserSelectsAuthor(int a);

    std::int16_t clickGuard() const { return ClickGuard; }

private:
    OptionGroup m_authorGroup; // before Option1, whose buttons point at it

public:
    ControlArray<ListBox> List1 { "List1" };
    ControlArray<OptionButton> Option1 { "Option1" };
    ControlArray<TextBox> Text1 { "Text1" };
    ControlArray<Label> Label1 { "Label1" };
    Frame Frame1;

private:
    void Option1_Click(int Index);
    void List1_Click(int Index);
    // Replaces Text1(0).Text with the report on AuthorIndex; leaves the guard idle.
    void ShowAuthorInfo();

    std::int16_t AuthorIndex = 0; // unset until the first selection
    std::int16_t TaleIndex = 0; // unset until the first tale selection
    std::int16_t ClickGuard = GuardIdle;
};

} // namespace quillomar
