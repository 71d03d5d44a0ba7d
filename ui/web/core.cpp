// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the form object, as plain C functions: the page turns
// clicks and keys into the two user actions and then mirrors the view. Texts
// come back as NUL-terminated UTF-16.

#include <emscripten/emscripten.h>

#include <string>

#include "model/form.h"
#include "ui/view.h"

using namespace quillomar;

namespace {

Form &form()
{
    static Form form;
    return form;
}

View g_view = viewOf(form());
std::u16string g_taleName;
std::string g_error;

// Runs one user action; 0, or the run-time error's number, whose message
// quillomar_error() then gives.
template<typename Action>
int act(Action action)
{
    try {
        action();
    } catch (const ControlError &error) {
        g_error = error.what();
        return error.number();
    }
    g_view = viewOf(form());
    g_taleName = chosenTaleName(form(), g_view);
    return 0;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int quillomar_select_author(int a)
{
    return act([a] { form().UserSelectsAuthor(a); });
}

EMSCRIPTEN_KEEPALIVE int quillomar_select_tale(int p)
{
    return act([p] { form().UserSelectsTale(p); });
}

EMSCRIPTEN_KEEPALIVE const char16_t *quillomar_text()
{
    return g_view.text.c_str();
}

EMSCRIPTEN_KEEPALIVE int quillomar_author()
{
    return g_view.author;
}

EMSCRIPTEN_KEEPALIVE int quillomar_tale()
{
    return g_view.tale;
}

EMSCRIPTEN_KEEPALIVE const char16_t *quillomar_tale_name()
{
    return g_taleName.c_str();
}

EMSCRIPTEN_KEEPALIVE int quillomar_tab_stop()
{
    return authorTabStop(g_view);
}

EMSCRIPTEN_KEEPALIVE int quillomar_author_after(int from, int step)
{
    return authorAfter(from, step, form().Option1.count());
}

EMSCRIPTEN_KEEPALIVE const char *quillomar_error()
{
    return g_error.c_str();
}
}
