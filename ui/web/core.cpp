// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the runner of the user's choices, as plain C functions
// (no embind: its loader needs eval, which the page's policy forbids). Each
// choice answers with its Outcome as a number; the page then reads the view.
// Texts come back as NUL-terminated UTF-16, the error's message as UTF-8.

#include <emscripten/emscripten.h>

#include <string>

#include "ui/choice_runner.h"

using namespace quillomar;

namespace {

ChoiceRunner &runner()
{
    static ChoiceRunner runner;
    return runner;
}

std::u16string g_taleName;

int outcome(Outcome value)
{
    if (value == Outcome::Changed)
        g_taleName = runner().chosenTaleName();
    return int(value);
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int quillomar_choose_author(int a)
{
    return outcome(runner().chooseAuthor(a));
}

EMSCRIPTEN_KEEPALIVE int quillomar_choose_tale(int p)
{
    return outcome(runner().chooseTale(p));
}

EMSCRIPTEN_KEEPALIVE int quillomar_step_author(int from, int step)
{
    return outcome(runner().stepAuthor(from, step));
}

// `key` is a ListKey's number; the runner chooses nothing for any other.
EMSCRIPTEN_KEEPALIVE int quillomar_press_list_key(int key, int pageRows)
{
    return outcome(runner().pressListKey(ListKey(key), pageRows));
}

EMSCRIPTEN_KEEPALIVE int quillomar_type_in_list(int letter)
{
    return outcome(runner().typeInList(char16_t(letter)));
}

EMSCRIPTEN_KEEPALIVE const char16_t *quillomar_text()
{
    return runner().view().text.c_str();
}

EMSCRIPTEN_KEEPALIVE int quillomar_author()
{
    return runner().view().author;
}

EMSCRIPTEN_KEEPALIVE int quillomar_tale()
{
    return runner().view().tale;
}

EMSCRIPTEN_KEEPALIVE const char16_t *quillomar_description()
{
    return runner().view().description.c_str();
}

EMSCRIPTEN_KEEPALIVE const char16_t *quillomar_tale_name()
{
    return g_taleName.c_str();
}

EMSCRIPTEN_KEEPALIVE int quillomar_tale_cursor()
{
    return runner().taleCursor();
}

EMSCRIPTEN_KEEPALIVE int quillomar_tab_stop()
{
    return authorTabStop(runner().view());
}

EMSCRIPTEN_KEEPALIVE const char *quillomar_error()
{
    return runner().errorMessage().c_str();
}
}
