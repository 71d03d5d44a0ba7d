// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "child_control.h"
#include "colours.h"

namespace quillomar::win32 {

// The group box round the author buttons, drawn here: its colour to the
// edges, and the caption on the line in the frame's own text colour.
class AuthorFrame : public PaintedButton
{
public:
    // `dpi` is the window's dots per inch, which it keeps up to date.
    AuthorFrame(Palette &palette, const int &dpi) : m_palette(palette), m_dpi(dpi) { }

protected:
    void paint(HDC dc) override;

private:
    Palette &m_palette;
    const int &m_dpi;
};

} // namespace quillomar::win32
