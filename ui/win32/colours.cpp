// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colours.h"

#include "ui/layout.h"

namespace quillomar::win32 {

namespace {

Colours fixed(const layout::Rgb &text, const layout::Rgb &background)
{
    return { RGB(text.red, text.green, text.blue),
             RGB(background.red, background.green, background.blue), -1 };
}

Colours system(int text, int background)
{
    return { GetSysColor(text), GetSysColor(background), background };
}

} // namespace

Colours coloursOf(Part part, int author, bool highContrast)
{
    if (part == Part::Output || (highContrast && part == Part::Tales))
        return system(COLOR_WINDOWTEXT, COLOR_WINDOW);
    if (part == Part::ChosenTale)
        return highContrast ? system(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT)
                            : fixed(layout::SelectedTaleTextColour, layout::SelectedTaleColour);
    if (highContrast)
        return system(COLOR_BTNTEXT, COLOR_BTNFACE);
    switch (part) {
    case Part::Label:
        return fixed(layout::LabelTextColour, layout::LabelColour);
    case Part::Frame:
        return fixed(layout::FrameTextColour, layout::FrameColour);
    case Part::Author:
        return fixed(layout::AuthorTextColours[std::size_t(author)],
                     layout::AuthorColours[std::size_t(author)]);
    case Part::Tales:
        return fixed(layout::TaleListTextColour, layout::TaleListColour);
    default: // the window has no text of its own
        return fixed(layout::Black, layout::WindowColour);
    }
}

bool highContrastOn()
{
    HIGHCONTRASTW settings { sizeof(settings), 0, nullptr };
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(settings), &settings, 0)
            && (settings.dwFlags & HCF_HIGHCONTRASTON);
}

HBRUSH Palette::brush(const Colours &colours)
{
    if (colours.systemBackground >= 0)
        return GetSysColorBrush(colours.systemBackground);
    for (const auto &[colour, brush] : m_brushes) {
        if (colour == colours.background)
            return brush.get();
    }
    m_brushes.emplace_back(colours.background, Gdi<HBRUSH>(CreateSolidBrush(colours.background)));
    return m_brushes.back().second.get();
}

} // namespace quillomar::win32
