// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser tests' reference: the native core, told the user's actions one
// per line ("author 3", "tale 17"), answers each with its view as one line of
// JSON, and the view it starts with first.

#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "model/form.h"
#include "ui/view.h"
#include "ui/web/text.h"

using namespace quillomar;

namespace {

void print(const Form &form, int error)
{
    const View view = viewOf(form);
    const nlohmann::json line = { { "text", utf8(view.text) },
                                  { "author", view.author },
                                  { "tale", view.tale },
                                  { "error", error } };
    std::cout << line.dump() << std::endl;
}

} // namespace

int main()
{
    Form form;
    print(form, 0);
    std::string action;
    int index;
    while (std::cin >> action >> index) {
        int error = 0;
        try {
            if (action == "author")
                form.UserSelectsAuthor(index);
            else
                form.UserSelectsTale(index);
        } catch (const ControlError &failure) {
            error = failure.number();
        }
        print(form, error);
    }
}
