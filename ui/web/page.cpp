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
#include "ui/choice_runner.h"
#include "ui/layout.h"
#include "ui/view.h"
#include "ui/web/text.h"

using namespace quillomar;

namespace {

// The page, already showing the form as it opens, its controls in reading
// order: title, author group, tale heading and list, output box. Outside the
// window, which a run-time error makes inert: the live region that speaks
// each new report, the note that the core is still loading, and the alert
// that says the program has ended. What the
// page's script shares with the core and the page, it reads from the page:
// the names data block (see writeNames).
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
<script type="application/json">{{names}}</script>
<script type="module" src="quillomar.js"></script>
<link rel="modulepreload" href="quillomar-core.js">
</head>
<body>
<main id="{{id:window}}" aria-label="{{name}}">
<h1 id="{{id:title}}" class="label">{{title}}</h1>
<fieldset id="{{id:frame}}"><legend>{{frameCaption}}</legend>
{{authors}}</fieldset>
<h2 id="{{id:heading}}" class="label">{{heading}}</h2>
<div id="{{id:tales}}" role="listbox" tabindex="0" aria-labelledby="{{id:heading}}">
{{tales}}</div>
<textarea id="{{id:output}}" readonly autofocus aria-label="{{outputName}}" aria-describedby="{{id:firstLine}}">{{text}}</textarea>
<span id="{{id:firstLine}}" hidden></span>
</main>
<p id="{{id:report}}" class="unseen" aria-live="polite"></p>
<p id="{{id:loading}}" role="status"></p>
<p id="{{id:status}}" role="alert" hidden></p>
<noscript><p>Тази страница работи с JavaScript и WebAssembly; разрешете JavaScript, за да избирате автор и приказка.</p></noscript>
</body>
</html>
)";

// The input is the whole row, unseen; the mark beside the caption is drawn.
// It is disabled until the script takes its clicks.
constexpr std::string_view AuthorTemplate =
        R"(<label id="{{id}}"><input type="radio" name="author" value="{{index}}" tabindex="{{tabIndex}}" disabled><span class="mark"></span>{{caption}}</label>
)";

// A title that ends in a space is named without it.
constexpr std::string_view TaleTemplate =
        R"(<div role="option" id="tale-{{index}}" aria-selected="false"{{name}}>{{title}}</div>
)";

// With a mouse, at the window's width or more, every control where the design
// puts it, to the pixel. Narrower, as on a phone held upright, or with a
// finger for a pointer, as on every phone and tablet either way up, the
// controls stack in one column (ColumnTemplate), and the page scrolls up and
// down; so they do when the user's own text spacing (WCAG 1.4.12) needs more
// room than the window's rows have, which the script marks on the root.
// The radio marks are drawn from borders in the text's colour, so that they
// show on every row and in forced colours too; so is the focus ring, with a
// transparent outline that forced colours make solid.
constexpr std::string_view StyleTemplate
        = R"(:root { color-scheme: light dark; -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body { margin: 0; background: Canvas; color: CanvasText; }
#{{id:window}} { position: relative; overflow: hidden; margin: 0 auto; color-scheme: light; width: {{windowWidth}}; height: {{windowHeight}}; background-color: {{windowColour}}; font: {{font}}; line-height: {{line}}; }
#{{id:window}} > *, #{{id:frame}} > * { position: absolute; box-sizing: border-box; margin: 0; font: inherit; }
.label { display: flex; align-items: center; justify-content: center; {{labelColours}} }
#{{id:title}} { {{titleBox}} }
#{{id:heading}} { {{headingBox}} }
#{{id:frame}} { {{frameBox}} padding: 0; border: 0; min-width: 0; {{frameColours}} }
#{{id:frame}}::before { content: ""; position: absolute; inset: {{frameLineTop}} 2px 2px; border: 1px solid currentColor; }
#{{id:frame}} > legend { left: {{captionInset}}; top: 0; padding: 0 2px; line-height: {{captionHeight}}; background: inherit; }
#{{id:frame}} > label { display: flex; align-items: center; gap: {{radioGap}}; padding-left: 2px; white-space: pre; overflow: hidden; cursor: default; }
#{{id:frame}} input { position: absolute; inset: 0; width: 100%; height: 100%; margin: 0; opacity: 0; appearance: none; }
.mark { position: relative; flex: none; box-sizing: border-box; width: {{radioMark}}; height: {{radioMark}}; border: {{markBorder}} solid currentColor; border-radius: 50%; }
input:checked + .mark::after { content: ""; position: absolute; inset: {{dotInset}}; border: {{dot}} solid currentColor; border-radius: 50%; }
input:focus-visible + .mark { box-shadow: 0 0 0 2px currentColor; outline: 2px solid transparent; outline-offset: 2px; }
{{authors}}#{{id:tales}} { {{talesBox}} {{talesColours}} border: 1px solid {{borderColour}}; padding: 0; overflow-x: hidden; overflow-y: auto; }
#{{id:tales}}:focus-visible { outline: 2px solid {{chosenBackground}}; outline-offset: -2px; }
[role=option] { height: {{line}}; padding: 0 3px; white-space: pre; overflow: hidden; cursor: default; }
[role=option][aria-selected=true] { {{chosenColours}} }
#{{id:tales}}:focus-visible > .{{cursor}} { outline: 1px dotted currentColor; outline-offset: -1px; }
#{{id:output}} { {{outputBox}} color-scheme: light dark; background: Field; color: FieldText; resize: none; overflow-y: scroll; border: {{outputBorder}} solid {{borderColour}}; padding: {{outputPadding}}; }
.unseen { position: absolute; width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); white-space: nowrap; }
#{{id:loading}} { position: fixed; left: 0; right: 0; bottom: 0; margin: 0; font: {{font}}; padding: 8px; background: Canvas; color: CanvasText; border-top: 2px solid CanvasText; color-scheme: light dark; }
#{{id:loading}}:empty { padding: 0; border: 0; }
#{{id:status}} { position: fixed; inset: 25% 10% auto; margin: 0; font: {{font}}; padding: 12px; background: Canvas; color: CanvasText; border: 2px solid CanvasText; color-scheme: light dark; }
@media (forced-colors: active) { [role=option][aria-selected=true] { forced-color-adjust: none; background: Highlight; color: HighlightText; } }
@media (max-width: {{narrow}}), (pointer: coarse) {
{{column}}}
{{spacedColumn}})";

// One column, in reading order, with rows a finger can hit and text that
// wraps: each selector begins with {{in}}, the condition it holds under.
constexpr std::string_view ColumnTemplate
        = R"({{in}}#{{id:window}} { width: auto; max-width: {{columnWidth}}; height: auto; overflow: visible; display: flex; flex-direction: column; padding: 8px; gap: 8px; }
{{in}}#{{id:window}} > *, {{in}}#{{id:frame}} > * { position: relative; inset: auto; width: auto; height: auto; }
{{in}}#{{id:title}}, {{in}}#{{id:heading}} { min-height: {{touch}}; }
{{in}}#{{id:frame}} { padding: {{captionHeight}} 8px 8px; }
{{in}}#{{id:frame}} > legend { position: absolute; }
{{in}}#{{id:frame}} > label { min-height: {{touch}}; white-space: normal; }
{{in}}#{{id:tales}} { height: {{listHeight}}; }
{{in}}[role=option] { height: auto; min-height: {{touch}}; display: flex; align-items: center; white-space: normal; }
{{in}}#{{id:output}} { height: {{outputHeight}}; }
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

// UTF-8 text for HTML content or a quoted attribute. CR LF becomes the LF a
// text area keeps.
std::string html(std::string_view text)
{
    std::string out;
    for (char c : text) {
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

std::string html(std::u16string_view text)
{
    return html(utf8(text));
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

// The ids of the page's elements that its script and the tests look for,
// kept here once: the templates take them as the slots "id:NAME", and the
// script reads them from the names data block.
nlohmann::ordered_json pageIds(const Form &form)
{
    return { { "window", "window" },
             { "title", elementId(form.Label1(0).elementName()) },
             { "frame", "Frame1" },
             { "heading", elementId(form.Label1(1).elementName()) },
             { "tales", elementId(form.List1(0).elementName()) },
             { "output", elementId(form.Text1(0).elementName()) },
             { "firstLine", "first-line" },
             { "report", "report" },
             { "loading", "loading" },
             { "status", "status" } };
}

// The class of the title the list's cursor is on, and the root's while the
// user's own text spacing needs the column.
constexpr std::string_view CursorClass = "cursor";
constexpr std::string_view SpacedClass = "spaced";

// What the page's script shares with the core and the page: the numbers of
// the runner's Outcome and ListKey, by name, and the page's ids. Its tests
// read them too.
std::string writeNames(const Form &form)
{
    const nlohmann::ordered_json names = {
        { "outcome",
          { { "Unchanged", int(Outcome::Unchanged) },
            { "Changed", int(Outcome::Changed) },
            { "Ended", int(Outcome::Ended) } } },
        { "listKey",
          { { "Up", int(ListKey::Up) },
            { "Down", int(ListKey::Down) },
            { "PageUp", int(ListKey::PageUp) },
            { "PageDown", int(ListKey::PageDown) },
            { "Home", int(ListKey::Home) },
            { "End", int(ListKey::End) },
            { "Space", int(ListKey::Space) } } },
        { "ids", pageIds(form) },
        { "cursor", CursorClass },
        { "spaced", SpacedClass },
        { "lineHeight", layout::LineHeight },
    };
    std::string json = names.dump();
    // Inside a script element nothing may look like its end tag.
    for (std::size_t at; (at = json.find("</")) != json.npos;)
        json.replace(at, 2, "<\\/");
    return json;
}

// The slots of a template and the page's ids as "id:NAME".
Slots withIds(const Form &form, Slots slots)
{
    const nlohmann::ordered_json ids = pageIds(form);
    for (const auto &[name, id] : ids.items())
        slots.emplace("id:" + name, id.get<std::string>());
    return slots;
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
    for (int p = 0; p < form.List1(0).listCount(); ++p) {
        const std::u16string_view title = form.List1(0).list(p), label = withoutPadding(title);
        tales += fill(TaleTemplate,
                      { { "index", std::to_string(p) },
                        { "title", html(title) },
                        { "name", label == title ? "" : " aria-label=\"" + html(label) + "\"" } });
    }
    return fill(PageTemplate,
                withIds(form,
                        { { "description", html(Description) },
                          { "name", html(name) },
                          { "windowColour", hex(layout::WindowColour) },
                          { "caption", titleText(layout::Caption) },
                          { "names", writeNames(form) },
                          { "outputName", html(layout::OutputBoxName) },
                          { "text", html(view.text) },
                          { "title", html(form.Label1(0).caption()) },
                          { "frameCaption", html(form.Frame1.caption()) },
                          { "authors", authors },
                          { "heading", html(form.Label1(1).caption()) },
                          { "tales", tales } }));
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
    // How the page draws its radio marks and the output box: a mark's ring,
    // and the checked mark's dot, a ring inset in it that fills to its middle;
    // the box's border and padding round its lines.
    constexpr int MarkBorder = 1, DotInset = 2, OutputBorder = 1, OutputPadding = 2;
    constexpr int Dot = (layout::RadioMark - 2 * MarkBorder - 2 * DotInset) / 2;
    constexpr int OutputFrame = 2 * (OutputBorder + OutputPadding);
    Slots slots = withIds(
            form,
            { { "windowWidth", length(window.width) },
              { "windowHeight", length(window.height) },
              { "narrow", std::to_string(window.width - 1) + ".98px" },
              { "windowColour", hex(layout::WindowColour) },
              { "font", font },
              { "line", length(layout::LineHeight) },
              { "touch", length(layout::TouchRow) },
              { "labelColours", colours(layout::LabelColour, layout::LabelTextColour) },
              { "titleBox", box(layout::Title) },
              { "headingBox", box(layout::TaleHeading) },
              { "frameBox", box(layout::Frame) },
              { "frameColours", colours(layout::FrameColour, layout::FrameTextColour) },
              // The frame's line runs through the middle of its
              // caption, as a group box's does.
              { "frameLineTop", length(layout::FrameCaptionHeight / 2) },
              { "captionInset", length(layout::FrameCaptionInset) },
              { "captionHeight", length(layout::FrameCaptionHeight) },
              { "radioGap", length(layout::RadioGap) },
              { "radioMark", length(layout::RadioMark) },
              { "markBorder", length(MarkBorder) },
              { "dotInset", length(DotInset) },
              { "dot", length(Dot) },
              { "authors", authors },
              { "talesBox", box(layout::TaleList) },
              { "talesColours", colours(layout::TaleListColour, layout::TaleListTextColour) },
              // Five and a half rows: the half says there is more.
              { "listHeight", length(layout::TouchRow * 11 / 2) },
              { "borderColour", hex(layout::BorderColour) },
              { "chosenColours",
                colours(layout::SelectedTaleColour, layout::SelectedTaleTextColour) },
              { "chosenBackground", hex(layout::SelectedTaleColour) },
              { "cursor", std::string(CursorClass) },
              { "outputBox", box(layout::OutputBox) },
              { "outputBorder", length(OutputBorder) },
              { "outputPadding", length(OutputPadding) },
              // Nine lines: eight at least, whole.
              { "outputHeight", length(9 * layout::LineHeight + OutputFrame) },
              // On a tablet, lines short enough to read: 40 em.
              { "columnWidth", length(40 * layout::FontPoints * layout::DesignDpi / 72) } });
    const auto column = [&slots](const std::string &condition) {
        Slots scoped = slots;
        scoped["in"] = condition;
        return fill(ColumnTemplate, scoped);
    };
    slots["column"] = column("");
    slots["spacedColumn"] = column(":root." + std::string(SpacedClass) + " ");
    return fill(StyleTemplate, slots);
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
