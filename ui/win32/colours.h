// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "gdi.h"

namespace quillomar::win32 {

// The parts of the window that have colours of their own.
enum class Part { Window, Label, Frame, Author, Tales, ChosenTale, Output };

// What a part's text and background are drawn with. The fixed backgrounds
// come with a fixed text colour chosen for each. With High Contrast on, only
// the system's colours, and no fixed background, as Windows asks of every
// program; the output box always has the system's.
struct Colours
{
    COLORREF text;
    COLORREF background;
    int systemBackground; // the background's COLOR_ index, or -1 for a fixed one
};
Colours coloursOf(Part part, int author, bool highContrast);

// Whether Windows' High Contrast is on.
bool highContrastOn();

// The colours every part is drawn with now, and brushes of them, shared by
// the window and its controls.
class Palette
{
public:
    Palette() : m_highContrast(highContrastOn()) { }

    Colours of(Part part, int author = 0) const { return coloursOf(part, author, m_highContrast); }
    // A brush of the colours' background, kept for the fixed ones.
    HBRUSH brush(const Colours &colours);
    // Takes up a new High Contrast setting.
    void followSystem() { m_highContrast = highContrastOn(); }

private:
    bool m_highContrast;
    std::vector<std::pair<COLORREF, Gdi<HBRUSH>>> m_brushes;
};

} // namespace quillomar::win32
