// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser tests' reference: the native core, told the user's actions one
// per line ("author 3", "tale 17"), answers each with its view as one line of
// JSON, and the view it starts with first. With --layout it gives instead
// where the page's elements belong, in CSS pixels, by id.

#include <cstdio>
#include <iostream>
#include <string>

#include "model/form.h"
#include "ui/view.h"
#include "ui/layout.h"
#include "ui/web/text.h"

using namespace quillomar;

namespace {

std::string json(std::u16string_view text)
{
    std::string out = "\"";
    for (char c : utf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void print(const Form &form, int error)
{
    const View view = viewOf(form);
    std::cout << "{\"text\": " << json(view.text) << ", \"author\": " << view.author
              << ", \"tale\": " << view.tale << ", \"name\": " << json(chosenTaleName(form, view))
              << ", \"error\": " << error << "}" << std::endl;
}

void printRect(const char *id, const layout::Twips &r, int left = 0, int top = 0)
{
    using layout::toPixels;
    std::cout << ", \"" << id << "\": [" << toPixels(left + r.left, CssDpi) << ", "
              << toPixels(top + r.top, CssDpi) << ", " << toPixels(r.width, CssDpi) << ", "
              << toPixels(r.height, CssDpi) << "]";
}

void printLayout(const Form &form)
{
    std::cout << "{\"dpi\": " << CssDpi;
    printRect("window", layout::ClientArea);
    printRect("Frame1", layout::Frame);
    printRect(elementId(form.Label1(0).elementName()).c_str(), layout::Title);
    printRect(elementId(form.Label1(1).elementName()).c_str(), layout::TaleHeading);
    printRect(elementId(form.List1(0).elementName()).c_str(), layout::TaleList);
    printRect(elementId(form.Text1(0).elementName()).c_str(), layout::OutputBox);
    for (int a = 0; a < form.Option1.count(); ++a)
        printRect(elementId(form.Option1(a).elementName()).c_str(), layout::authorButton(a),
                  layout::Frame.left, layout::Frame.top);
    std::cout << "}" << std::endl;
}

} // namespace

int main(int argc, char **argv)
{
    Form form;
    if (argc > 1 && std::string(argv[1]) == "--layout") {
        printLayout(form);
        return 0;
    }
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
