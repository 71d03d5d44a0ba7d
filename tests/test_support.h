// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/form.h"
#include "ui/layout.h"
#include "ui/view.h"

namespace quillomar::test {

// Splits report text at CR LF. Text that does not end in CR LF yields a last
// piece that is not a whole line, so callers can spot it.
inline std::vector<std::u16string> crlfLines(const std::u16string &text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back(text.substr(start) + u"<no CR LF>");
    return lines;
}

// The built-in catalogue but for its first tale, which names a tenth author,
// who has no button: choosing that tale fails with run-time error 340.
inline const Catalogue &brokenCatalogue()
{
    static const std::vector<Tale> tales = [] {
        std::vector<Tale> all(builtInCatalogue().tales.begin(), builtInCatalogue().tales.end());
        all[0].authorIndex = u"9";
        return all;
    }();
    static const Catalogue broken = [] {
        Catalogue catalogue = builtInCatalogue();
        catalogue.tales = tales;
        return catalogue;
    }();
    return broken;
}

// The random users' seed: QUILLOMAR_SEED, to replay another sequence, or
// the fixed one.
inline unsigned randomSeed()
{
    const char *given = std::getenv("QUILLOMAR_SEED");
    return given ? unsigned(std::strtoul(given, nullptr, 10)) : 20261208u;
}

// Where what a window shows differs from the form's view, or the form's
// guard is not idle; empty when all agree. `shown` is read from the
// window's controls, with -2 for more than one author or tale.
inline std::string differences(const Form &form, const View &shown)
{
    const View expected = viewOf(form);
    if (shown.text != expected.text)
        return "output box";
    if (shown.author != expected.author)
        return "author " + std::to_string(shown.author) + " checked, form has "
                + std::to_string(expected.author);
    if (shown.tale != expected.tale)
        return "tale " + std::to_string(shown.tale) + " selected, form has "
                + std::to_string(expected.tale);
    if (form.clickGuard() != GuardIdle)
        return "guard " + std::to_string(form.clickGuard());
    return {};
}

// Index of the one selected author button, -1 for none, -2 for more than one.
inline int selectedAuthor(const Form &form)
{
    int selected = -1;
    for (int a = 0; a < form.Option1.count(); ++a) {
        if (form.Option1(a).value())
            selected = selected == -1 ? a : -2;
    }
    return selected;
}

// The WCAG contrast ratio of two colours, from 1 to 21; text needs 4.5 (AA).
inline double contrastRatio(const layout::Rgb &a, const layout::Rgb &b)
{
    const auto luminance = [](const layout::Rgb &c) {
        const auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of a region's pixels: its background.
inline layout::Rgb commonestColour(const std::vector<layout::Rgb> &pixels)
{
    std::vector<std::pair<layout::Rgb, int>> counts;
    for (const layout::Rgb &p : pixels) {
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&p](const auto &c) { return c.first == p; });
        if (it == counts.end())
            counts.emplace_back(p, 1);
        else
            ++it->second;
    }
    return counts.empty() ? layout::Rgb {}
                          : std::max_element(counts.begin(), counts.end(), [](auto &x, auto &y) {
                                return x.second < y.second;
                            })->first;
}

// How text drawn on a background stands out, from the pixels of a region:
// the background is the commonest colour, the text the pixel that stands out
// most from it (antialiased edges stand out less).
inline double drawnContrast(const std::vector<layout::Rgb> &pixels)
{
    const layout::Rgb background = commonestColour(pixels);
    double best = 1;
    for (const layout::Rgb &p : pixels)
        best = std::max(best, contrastRatio(background, p));
    return best;
}

} // namespace quillomar::test
