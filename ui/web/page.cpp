// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page of the browser edition from the form object and the layout
// table, so that neither a caption nor a number is typed twice: index.html,
// already filled as the window opens, its style sheet and the web app
// manifest. Run during the build: quillomar_page OUTPUT_DIR NAME

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "model/form.h"
#include "ui/layout.h"
#include "ui/view.h"
#include "ui/web/text.h"

using namespace quillomar;

namespace {

// The page, already showing the form as it opens, its controls in reading
// order: title, author group, tale heading and list, output box. Outside the
// window, which a run-time error makes inert: the live region that speaks
// each new report, and the alert that says the program has ended.
constexpr std::string_view PageTemplate = R"(<!DOCTYPE html>
<html lang="bg">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; base-uri 'none'; form-action 'none'">
<meta name="description" content="{{description}}">
<meta name="color-scheme" content="light dark">
<meta name="theme-color" content="{{windowColour}}">
<title>{{caption}}</title>
<link rel="manifest" href="quillomar.webmanifest">
<link rel="icon" href="quillomar-192.png">
<link rel="stylesheet" href="quillomar.css">
<script type="module" src="quillomar.js"></script>
</head>
<body>
<main id="window" aria-label="{{name}}">
<h1 id="{{titleId}}" class="label">{{title}}</h1>
<fieldset id="Frame1" role="radiogroup" aria-labelledby="Frame1-caption"><legend id="Frame1-caption">{{frameCaption}}</legend>
{{authors}}</fieldset>
<h2 id="{{headingId}}" class="label">{{heading}}</h2>
<div id="{{talesId}}" role="listbox" tabindex="0" aria-labelledby="{{headingId}}">
{{tales}}</div>
<textarea id="{{outputId}}" readonly autofocus aria-label="{{outputName}}" aria-describedby="first-line">{{text}}</textarea>
<span id="first-line" hidden></span>
</main>
<p id="report" class="unseen" aria-live="polite"></p>
<p id="status" role="alert" hidden></p>
<noscript><p>Тази страница работи с JavaScript и WebAssembly; разрешете JavaScript, за да избирате автор и приказка.</p></noscript>
</body>
</html>
)";

// The input is the whole row, unseen; the mark beside the caption is drawn.
constexpr std::string_view AuthorTemplate =
        R"(<label id="{{id}}"><input type="radio" name="author" value="{{index}}" tabindex="{{tabIndex}}"><span class="mark"></span>{{caption}}</label>
)";

constexpr std::string_view TaleTemplate =
        R"(<div role="option" id="tale-{{index}}" aria-selected="false">{{title}}</div>
)";

// At the window's width or more, every control where the design puts it, to
// the pixel. Narrower, as on a phone held upright, the controls stack in
// reading order with rows a finger can hit, and the page scrolls up and down.
// The radio marks are drawn from borders in the text's colour, so that they
// show on every row and in forced colours too; so is the focus ring, with a
// transparent outline that forced colours make solid.
constexpr std::string_view StyleTemplate
        = R"(:root { color-scheme: light dark; -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body { margin: 0; background: Canvas; color: CanvasText; }
#window { position: relative; overflow: hidden; margin: 0 auto; color-scheme: light; width: {{windowWidth}}; height: {{windowHeight}}; background-color: {{windowColour}}; font: {{font}}; line-height: {{line}}; }
#window > *, #Frame1 > * { position: absolute; box-sizing: border-box; margin: 0; font: inherit; }
.label { display: flex; align-items: center; justify-content: center; {{labelColours}} }
#{{titleId}} { {{titleBox}} }
#{{headingId}} { {{headingBox}} }
#Frame1 { {{frameBox}} padding: 0; border: 0; min-width: 0; {{frameColours}} }
#Frame1::before { content: ""; position: absolute; inset: {{frameLineTop}} 2px 2px; border: 1px solid currentColor; }
#Frame1 > legend { left: {{captionInset}}; top: 0; padding: 0 2px; line-height: {{captionHeight}}; background: inherit; }
#Frame1 > label { display: flex; align-items: center; gap: {{radioGap}}; padding-left: 2px; white-space: pre; overflow: hidden; cursor: default; }
#Frame1 input { position: absolute; inset: 0; width: 100%; height: 100%; margin: 0; opacity: 0; appearance: none; }
.mark { position: relative; flex: none; box-sizing: border-box; width: {{radioMark}}; height: {{radioMark}}; border: 1px solid currentColor; border-radius: 50%; }
input:checked + .mark::after { content: ""; position: absolute; inset: 2px; border: {{dot}} solid currentColor; border-radius: 50%; }
input:focus-visible + .mark { box-shadow: 0 0 0 2px currentColor; outline: 2px solid transparent; outline-offset: 2px; }
{{authors}}#{{talesId}} { {{talesBox}} {{talesColours}} border: 1px solid {{borderColour}}; padding: 0; overflow-x: hidden; overflow-y: auto; }
#{{talesId}}:focus-visible { outline: 2px solid {{chosenBackground}}; outline-offset: -2px; }
[role=option] { height: {{line}}; padding: 0 3px; white-space: pre; overflow: hidden; cursor: default; }
[role=option][aria-selected=true] { {{chosenColours}} }
#{{talesId}}:focus-visible > .cursor { outline: 1px dotted currentColor; outline-offset: -1px; }
#{{outputId}} { {{outputBox}} color-scheme: light dark; background: Field; color: FieldText; resize: none; overflow-y: scroll; border: 1px solid {{borderColour}}; padding: 2px; }
.unseen { position: absolute; width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); white-space: nowrap; }
#status { position: fixed; inset: 25% 10% auto; margin: 0; font: {{font}}; padding: 12px; background: Canvas; color: CanvasText; border: 2px solid CanvasText; color-scheme: light dark; }
@media (forced-colors: active) { [role=option][aria-selected=true] { forced-color-adjust: none; background: Highlight; color: HighlightText; } }
@media (max-width: {{narrow}}) {
#window { width: auto; height: auto; overflow: visible; display: flex; flex-direction: column; padding: 8px; gap: 8px; }
#window > *, #Frame1 > * { position: relative; inset: auto; width: auto; height: auto; }
#{{titleId}}, #{{headingId}} { min-height: {{touch}}; }
#Frame1 { padding: {{captionHeight}} 8px 8px; }
#Frame1::before { inset: {{frameLineTop}} 2px 2px; }
#Frame1 > legend { position: absolute; }
#Frame1 > label { min-height: {{touch}}; white-space: normal; }
#{{talesId}} { height: {{listHeight}}; }
[role=option] { height: auto; min-height: {{touch}}; display: flex; align-items: center; white-space: normal; }
#{{outputId}} { height: {{outputHeight}}; }
}
)";

constexpr std::string_view AuthorStyleTemplate = "#{{id}} { {{box}} {{colours}} }\n";

// What search engines show of the page.
constexpr std::u16string_view Description = u"Девет автори на приказки и четиридесет и осем "
                                            u"техни приказки: изберете автор или приказка и "
                                            u"прочетете кой е авторът и какво още е написал.";

using Slots = std::map<std::string, std::string, std::less<>>;

// The template with each {{name}} replaced by its slot; a name without a
// slot is a fault of this program.
std::string fill(std::string_view text, const Slots &slots)
{
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t open = text.find("{{", at);
        out += text.substr(at, open - at);
        if (open == text.npos)
            return out;
        const std::size_t close = text.find("}}", open);
        const auto slot = slots.find(text.substr(open + 2, close - open - 2));
        if (close == text.npos || slot == slots.end())
            throw std::logic_error("no slot for " + std::string(text.substr(open, 40)));
        out += slot->second;
        at = close + 2;
    }
}

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

std::string length(int pixels)
{
    return std::to_string(pixels) + "px";
}

std::string box(const layout::Twips &rect)
{
    const layout::Pixels pixels = layout::toPixels(rect, layout::DesignDpi);
    return "left: " + length(pixels.left) + "; top: " + length(pixels.top)
            + "; width: " + length(pixels.width) + "; height: " + length(pixels.height) + ";";
}

std::string colours(const layout::Rgb &background, const layout::Rgb &text)
{
    return "background-color: " + hex(background) + "; color: " + hex(text) + ";";
}

std::string writeHtml(const Form &form, const std::string &name)
{
    const View view = viewOf(form);
    std::string authors, tales;
    for (int a = 0; a < form.Option1.count(); ++a) {
        // The group is one Tab stop, the checked button or the first.
        authors += fill(AuthorTemplate,
                        { { "id", elementId(form.Option1(a).elementName()) },
                          { "index", std::to_string(a) },
                          { "tabIndex", a == authorTabStop(view) ? "0" : "-1" },
                          { "caption", html(form.Option1(a).caption()) } });
    }
    for (int p = 0; p < form.List1(0).listCount(); ++p)
        tales += fill(TaleTemplate,
                      { { "index", std::to_string(p) }, { "title", html(form.List1(0).list(p)) } });
    return fill(PageTemplate,
                { { "description", html(Description) },
                  { "name", name },
                  { "windowColour", hex(layout::WindowColour) },
                  { "caption", titleText(layout::Caption) },
                  { "outputId", elementId(form.Text1(0).elementName()) },
                  { "outputName", html(layout::OutputBoxName) },
                  { "text", html(view.text) },
                  { "titleId", elementId(form.Label1(0).elementName()) },
                  { "title", html(form.Label1(0).caption()) },
                  { "frameCaption", html(form.Frame1.caption()) },
                  { "authors", authors },
                  { "headingId", elementId(form.Label1(1).elementName()) },
                  { "heading", html(form.Label1(1).caption()) },
                  { "talesId", elementId(form.List1(0).elementName()) },
                  { "tales", tales } });
}

std::string writeCss(const Form &form)
{
    const layout::Pixels window = layout::toPixels(layout::ClientArea, layout::DesignDpi);
    const std::string font = length(layout::FontPoints * layout::DesignDpi / 72) + " \""
            + utf8(layout::FontFamily) + "\", serif";
    std::string authors;
    for (int a = 0; a < form.Option1.count(); ++a) {
        const auto i = std::size_t(a);
        authors += fill(
                AuthorStyleTemplate,
                { { "id", elementId(form.Option1(a).elementName()) },
                  { "box", box(layout::authorButton(a)) },
                  { "colours", colours(layout::AuthorColours[i], layout::AuthorTextColours[i]) } });
    }
    // The frame's line runs through the middle of its caption, which is 18
    // pixels high, as a group box's does.
    constexpr int CaptionHeight = 18;
    return fill(StyleTemplate,
                { { "windowWidth", length(window.width) },
                  { "windowHeight", length(window.height) },
                  { "narrow", std::to_string(window.width - 1) + ".98px" },
                  { "windowColour", hex(layout::WindowColour) },
                  { "font", font },
                  { "line", length(layout::LineHeight) },
                  { "touch", length(layout::TouchRow) },
                  { "labelColours", colours(layout::LabelColour, layout::LabelTextColour) },
                  { "titleId", elementId(form.Label1(0).elementName()) },
                  { "titleBox", box(layout::Title) },
                  { "headingId", elementId(form.Label1(1).elementName()) },
                  { "headingBox", box(layout::TaleHeading) },
                  { "frameBox", box(layout::Frame) },
                  { "frameColours", colours(layout::FrameColour, layout::FrameTextColour) },
                  { "frameLineTop", length(CaptionHeight / 2) },
                  { "captionInset", length(layout::FrameCaptionInset) },
                  { "captionHeight", length(CaptionHeight) },
                  { "radioGap", length(layout::RadioGap) },
                  { "radioMark", length(layout::RadioMark) },
                  { "dot", length((layout::RadioMark - 6) / 2) },
                  { "authors", authors },
                  { "talesId", elementId(form.List1(0).elementName()) },
                  { "talesBox", box(layout::TaleList) },
                  { "talesColours", colours(layout::TaleListColour, layout::TaleListTextColour) },
                  // Five and a half rows: the half says there is more.
                  { "listHeight", length(layout::TouchRow * 11 / 2) },
                  { "borderColour", hex(layout::BorderColour) },
                  { "chosenColours",
                    colours(layout::SelectedTaleColour, layout::SelectedTaleTextColour) },
                  { "chosenBackground", hex(layout::SelectedTaleColour) },
                  { "outputId", elementId(form.Text1(0).elementName()) },
                  { "outputBox", box(layout::OutputBox) },
                  // Nine lines and the padding: eight at least, whole.
                  { "outputHeight", length(9 * layout::LineHeight + 6) } });
}

std::string writeManifest(const std::string &name)
{
    nlohmann::ordered_json icons = nlohmann::json::array();
    for (const char *size : { "192", "512" })
        icons.push_back({ { "src", std::string("quillomar-") + size + ".png" },
                          { "sizes", std::string(size) + "x" + size },
                          { "type", "image/png" } });
    const nlohmann::ordered_json manifest = { { "name", name },
                                              { "short_name", name },
                                              { "lang", "bg" },
                                              { "start_url", "./" },
                                              { "scope", "./" },
                                              { "display", "standalone" },
                                              { "background_color", hex(layout::WindowColour) },
                                              { "theme_color", hex(layout::WindowColour) },
                                              { "icons", icons } };
    return manifest.dump(2) + "\n";
}

bool writeFile(const std::string &path, const std::string &text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
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
    const Form form;
    return writeFile(dir + "/index.html", writeHtml(form, argv[2]))
                    && writeFile(dir + "/quillomar.css", writeCss(form))
                    && writeFile(dir + "/quillomar.webmanifest", writeManifest(argv[2]))
            ? 0
            : 1;
}
