// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser tests' contrast, measured as the desktop tests measure it
// (tests/test_support.h): told the pixels of a region as one line of
// "rrggbb" words, answers how the text drawn there stands out, as a ratio.

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::vector<quillomar::layout::Rgb> pixels;
        for (std::string word; words >> word;) {
            const unsigned long rgb = std::stoul(word, nullptr, 16);
            pixels.push_back(
                    { std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb) });
        }
        std::cout << quillomar::test::drawnContrast(pixels) << std::endl;
    }
}
