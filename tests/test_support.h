// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/form.h"
#include "ui/layout.h"

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

// How text drawn on a background stands out, from the pixels of a region:
// the background is the commonest colour, the text the pixel that stands out
// most from it (antialiased edges stand out less).
inline double drawnContrast(const std::vector<layout::Rgb> &pixels)
{
    std::vector<std::pair<int, int>> counts; // colour as 0xRRGGBB, count
    for (const layout::Rgb &p : pixels) {
        const int key = p.red << 16 | p.green << 8 | p.blue;
        auto it = std::find_if(counts.begin(), counts.end(),
                               [key](auto &c) { return c.first == key; });
        if (it == counts.end())
            counts.emplace_back(key, 1);
        else
            ++it->second;
    }
    if (counts.empty())
        return 1;
    const int key = std::max_element(counts.begin(), counts.end(), [](auto &x, auto &y) {
                        return x.second < y.second;
                    })->first;
    const layout::Rgb background { std::uint8_t(key >> 16), std::uint8_t(key >> 8),
                                   std::uint8_t(key) };
    double best = 1;
    for (const layout::Rgb &p : pixels)
        best = std::max(best, contrastRatio(background, p));
    return best;
}

} // namespace quillomar::test
