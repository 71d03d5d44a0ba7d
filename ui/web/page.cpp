// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page of the browser edition from the form object and the layout
// table, so that neither a caption nor a number is typed twice: index.html,
// already filled as the window opens, its style sheet and the web app
// manifest. Run during the build: quillomar_page OUTPUT_DIR NAME

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "model/form.h"
#include "ui/layout.h"
#include "ui/view.h"
#include "ui/web/text.h"

using namespace quillomar;

namespace {

// Text for HTML content or a quoted attribute. CR LF becomes the LF a text
// area keeps.
std::string html(std::u16string_view text)
{
    std::string out;
    for (char c : utf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A title collapses runs of spaces; no-break spaces keep them.
std::string titleText(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool run = text[i] == u' '
                && ((i + 1 < text.size() && text[i + 1] == u' ') || (i > 0 && text[i - 1] == u' '));
        out += run ? "&#160;" : html(text.substr(i, 1));
    }
    return out;
}

std::string hex(const layout::Rgb &rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

// A length of the 570 x 392 design in CSS: --u is one design pixel, less
// than a CSS pixel where the screen is narrower than the window.
std::string length(int pixels)
{
    return "calc(" + std::to_string(pixels) + " * var(--u))";
}

std::string twips(int value)
{
    return length(layout::toPixels(value, CssDpi));
}

std::string box(const layout::Twips &rect)
{
    return "left: " + twips(rect.left) + "; top: " + twips(rect.top)
            + "; width: " + twips(rect.width) + "; height: " + twips(rect.height) + ";";
}

std::string colours(const layout::Rgb &background, const layout::Rgb &text)
{
    return "background-color: " + hex(background) + "; color: " + hex(text) + ";";
}

// Where a control comes in the keyboard order, from 1.
int tabIndex(layout::Focusable control, int index = 0)
{
    for (std::size_t i = 0; i < layout::TabOrder.size(); ++i) {
        if (layout::TabOrder[i].control == control
            && (control != layout::Focusable::Author || layout::TabOrder[i].index == index))
            return int(i) + 1;
    }
    return -1;
}

void writeHtml(std::ostream &out, const Form &form)
{
    const View view = viewOf(form);
    const ListBox &tales = form.List1(0);
    // A size above 1 makes a list box, not a drop-down; a row is 300 twips, and
    // the height is the layout's anyway.
    const int rows = layout::TaleList.height / 300;
    out << "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; "
           "script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; base-uri 'none'; "
           "form-action 'none'\">\n"
           "<meta name=\"color-scheme\" content=\"light dark\">\n"
           "<meta name=\"theme-color\" content=\""
        << hex(layout::WindowColour) << "\">\n<title>" << titleText(layout::Caption)
        << "</title>\n"
           "<link rel=\"manifest\" href=\"quillomar.webmanifest\">\n"
           "<link rel=\"icon\" href=\"quillomar-192.png\">\n"
           "<link rel=\"stylesheet\" href=\"quillomar.css\">\n"
           "<script type=\"module\" src=\"quillomar.js\"></script>\n"
           "</head>\n<body>\n<main id=\"window\">\n";
    out << "<textarea id=\"" << elementId(form.Text1(0).elementName())
        << "\" readonly autofocus tabindex=\"" << tabIndex(layout::Focusable::Output)
        << "\" aria-label=\"" << html(layout::OutputBoxName)
        << "\" aria-describedby=\"first-line\">" << html(view.text) << "</textarea>\n"
        << "<span id=\"first-line\" hidden></span>\n";
    out << "<div id=\"" << elementId(form.Label1(0).elementName()) << "\" class=\"label\">"
        << html(form.Label1(0).caption()) << "</div>\n";
    out << "<fieldset id=\"Frame1\"><legend>" << html(form.Frame1.caption()) << "</legend>\n";
    for (int a = 0; a < form.Option1.count(); ++a) {
        const OptionButton &button = form.Option1(a);
        const int tab = tabIndex(layout::Focusable::Author, a);
        out << "<label id=\"" << elementId(button.elementName())
            << "\"><input type=\"radio\" name=\"author\" value=\"" << a << "\" data-tab=\"" << tab
            << "\" tabindex=\"" << (a == authorTabStop(view) ? tab : -1) << "\">"
            << html(button.caption()) << "</label>\n";
    }
    out << "</fieldset>\n";
    out << "<label id=\"" << elementId(form.Label1(1).elementName()) << "\" class=\"label\" for=\""
        << elementId(tales.elementName()) << "\">" << html(form.Label1(1).caption())
        << "</label>\n";
    out << "<select id=\"" << elementId(tales.elementName()) << "\" size=\"" << rows
        << "\" tabindex=\"" << tabIndex(layout::Focusable::Tales) << "\">\n";
    for (int p = 0; p < tales.listCount(); ++p)
        out << "<option>" << html(tales.list(p)) << "</option>\n";
    // Outside the window, which a run-time error makes inert.
    out << "</select>\n"
           "</main>\n"
           "<p id=\"status\" role=\"alert\" hidden></p>\n"
           "<noscript><p>Тази страница работи с JavaScript и WebAssembly; "
           "разрешете JavaScript, за да избирате автор и приказка.</p></noscript>\n"
           "</body>\n</html>\n";
}

void writeCss(std::ostream &out, const Form &form)
{
    const layout::Twips window = layout::ClientArea;
    const int fontPixels = layout::FontPoints * CssDpi / 72;
    // Phones would enlarge the text on their own and break the layout.
    out << ":root { color-scheme: light dark; -webkit-text-size-adjust: 100%; "
           "text-size-adjust: 100%; --u: min(1px, calc(100vw / "
        << layout::toPixels(window.width, CssDpi) << ")); }\n"
        << "body { margin: 0; background: Canvas; color: CanvasText; }\n"
        << "#window { position: relative; overflow: hidden; margin: 0 auto; color-scheme: light; "
        << "width: " << twips(window.width) << "; height: " << twips(window.height) << "; "
        << "background-color: " << hex(layout::WindowColour) << "; font: " << length(fontPixels)
        << " \"" << utf8(layout::FontFamily) << "\", serif; }\n"
        << "#window > *, #Frame1 > * { position: absolute; box-sizing: border-box; margin: 0; "
           "font: inherit; }\n"
        << ".label { display: flex; align-items: center; justify-content: center; "
        << colours(layout::LabelColour, layout::LabelTextColour) << " }\n"
        << "#" << elementId(form.Label1(0).elementName()) << " { " << box(layout::Title) << " }\n"
        << "#" << elementId(form.Label1(1).elementName()) << " { " << box(layout::TaleHeading)
        << " }\n"
        << "#Frame1 { " << box(layout::Frame) << " padding: 0; border: 0; "
        << colours(layout::FrameColour, layout::FrameTextColour)
        << " }\n"
        // The border runs through the caption's middle, as a group box's does.
        << "#Frame1::before { content: \"\"; position: absolute; inset: " << length(9) << " "
        << length(2) << " " << length(2) << "; border: 1px solid currentColor; }\n"
        << "#Frame1 > legend { left: " << length(8) << "; top: 0; padding: 0 " << length(2)
        << "; line-height: " << length(18) << "; background: inherit; }\n"
        << "#Frame1 > label { display: flex; align-items: center; gap: " << length(4)
        << "; padding-left: " << length(2) << "; white-space: pre; overflow: hidden; }\n"
        << "#Frame1 input { width: " << length(13) << "; height: " << length(13)
        << "; margin: 0; flex: none; }\n";
    for (int a = 0; a < form.Option1.count(); ++a)
        out << "#" << elementId(form.Option1(a).elementName()) << " { "
            << box(layout::authorButton(a)) << " "
            << colours(layout::AuthorColours[std::size_t(a)],
                       layout::AuthorTextColours[std::size_t(a)])
            << " }\n";
    out << "#" << elementId(form.List1(0).elementName()) << " { " << box(layout::TaleList) << " "
        << colours(layout::TaleListColour, layout::TaleListTextColour)
        << " border: 1px solid #808080; padding: 0; overflow-x: hidden; outline-offset: -2px; }\n"
        << "option { padding: 0 " << length(3)
        << "; white-space: pre; }\n"
        // In a focused list Chromium forces its own colours on the chosen
        // option (black text, on phones): a gradient and the text fill
        // colour still win.
        << "option:checked { "
        << colours(layout::SelectedTaleColour, layout::SelectedTaleTextColour)
        << " background-image: linear-gradient(" << hex(layout::SelectedTaleColour) << ", "
        << hex(layout::SelectedTaleColour)
        << "); -webkit-text-fill-color: " << hex(layout::SelectedTaleTextColour) << "; }\n"
        << "#" << elementId(form.Text1(0).elementName()) << " { " << box(layout::OutputBox)
        << " color-scheme: light dark; background: Field; color: FieldText; resize: none; "
           "overflow-y: scroll; border: 1px solid #808080; padding: "
        << length(2) << "; }\n"
        << "#status { position: fixed; inset: 25% 10% auto; margin: 0; font: " << length(fontPixels)
        << " \"" << utf8(layout::FontFamily) << "\", serif; padding: " << length(12)
        << "; background: Canvas; color: CanvasText; border: 2px solid CanvasText; "
           "color-scheme: light dark; }\n"
        << "@media (forced-colors: active) { option:checked { forced-color-adjust: none; "
           "background: Highlight; color: HighlightText; -webkit-text-fill-color: HighlightText; "
           "} }\n";
}

void writeManifest(std::ostream &out, const std::string &name)
{
    out << "{\n  \"name\": \"" << name << "\",\n  \"short_name\": \"" << name
        << "\",\n  \"lang\": \"bg\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
           "  \"display\": \"standalone\",\n  \"background_color\": \""
        << hex(layout::WindowColour) << "\",\n  \"theme_color\": \"" << hex(layout::WindowColour)
        << "\",\n  \"icons\": [\n";
    for (const char *size : { "192", "512" })
        out << "    { \"src\": \"quillomar-" << size << ".png\", \"sizes\": \"" << size << "x"
            << size << "\", \"type\": \"image/png\" }" << (size[0] == '1' ? ",\n" : "\n");
    out << "  ]\n}\n";
}

template<typename Write>
bool writeFile(const std::string &path, Write write)
{
    std::ofstream file(path, std::ios::binary);
    write(file);
    file.close();
    if (!file) {
        std::cerr << "quillomar_page: cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: quillomar_page OUTPUT_DIR NAME\n";
        return 2;
    }
    const std::string dir = argv[1];
    const std::string name = argv[2];
    const Form form;
    const bool written
            = writeFile(dir + "/index.html", [&](std::ostream &out) { writeHtml(out, form); })
            && writeFile(dir + "/quillomar.css", [&](std::ostream &out) { writeCss(out, form); })
            && writeFile(dir + "/quillomar.webmanifest",
                         [&](std::ostream &out) { writeManifest(out, name); });
    return written ? 0 : 1;
}
