// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form.h"
#include "ui/view.h"

namespace quillomar {

// Exit status after a failed control operation.
constexpr int RunTimeErrorExitCode = 2;

// The keys the tale list answers, whatever the toolkit calls them.
enum class ListKey { Up, Down, PageUp, PageDown, Home, End, Space };

// What a window does after passing on a user's choice.
enum class Outcome {
    Unchanged, // nothing was chosen: the window stays as it is
    Changed, // show view() anew
    Ended, // a control operation failed: show error() and end with RunTimeErrorExitCode
};

// Runs the user's choices on the form object, the same way for every window:
// a window turns a click or key into one of these calls and then does what
// the Outcome says. The rules that are the program's own, not the toolkit's,
// live here: which title a key in the tale list chooses, which author an
// arrow key chooses, and that nothing runs after a run-time error.
class ChoiceRunner
{
public:
    explicit ChoiceRunner(const Catalogue &catalogue = builtInCatalogue());
    ChoiceRunner(const ChoiceRunner &) = delete;
    ChoiceRunner &operator=(const ChoiceRunner &) = delete;

    const Form &form() const { return m_form; }
    // What the window shows: the form as it was after the last choice that ran.
    const View &view() const { return m_view; }

    // A click on author a, or Space on its button. The chosen author again
    // counts as a new choice.
    Outcome chooseAuthor(int a);
    // A click on tale p. The chosen tale again counts as a new choice.
    Outcome chooseTale(int p);
    // An arrow key on author button `from`: chooses the next (+1) or the
    // previous (-1), round the group; the window then moves the focus to
    // view().author. Any other step, or a button that is not there, chooses
    // nothing.
    Outcome stepAuthor(int from, int step);
    // A key in the tale list, which shows `pageRows` titles at a time. Before
    // any tale is chosen the list has no cursor, and every key but End
    // chooses the first title; afterwards the keys move on from the title
    // chosen last, even when an author choice has cleared the selection. A
    // key that lands on the chosen tale chooses nothing, nor does a number
    // that names no ListKey.
    Outcome pressListKey(ListKey key, int pageRows);
    // A letter typed in the tale list: chooses the next title after the
    // cursor, round the list, that begins with it, whatever its case.
    Outcome typeInList(char16_t letter);

    // The title the list's cursor is on: the tale chosen last, or -1 before any.
    int taleCursor() const { return m_cursor; }
    // What a screen reader calls the chosen tale (see chosenTaleName).
    std::u16string chosenTaleName() const;

    bool ended() const { return m_errorNumber != 0; }
    // The run-time error's number and message, once ended().
    int errorNumber() const { return m_errorNumber; }
    const std::string &errorMessage() const { return m_errorMessage; }

private:
    template<typename Action>
    Outcome run(Action action);

    Form m_form;
    View m_view;
    int m_cursor = -1;
    int m_errorNumber = 0;
    std::string m_errorMessage;
};

} // namespace quillomar
