// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "child_control.h"
#include "colours.h"

namespace quillomar::win32 {

// An author's radio button, drawn here: the mark, then the caption in the
// text colour chosen for the button's background. It never checks itself;
// the window checks whichever button the runner's view says. The arrow keys
// are the button's, not the dialog manager's, and are only reported.
class AuthorButton : public PaintedButton
{
public:
    // `dpi` is the window's dots per inch, which it keeps up to date.
    AuthorButton(int author, Palette &palette, const int &dpi)
        : m_author(author), m_palette(palette), m_dpi(dpi)
    { }

    // Up or Left (-1), Down or Right (+1).
    std::function<void(int step)> stepped;

    // Whether a BN_CLICKED from this button is the user's choice: Windows
    // also clicks a radio button that takes the focus unchecked, and here
    // taking the focus chooses no one.
    bool isChoice(int code) const;

protected:
    void paint(HDC dc) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Draws the radio mark at the left, centred; returns where it ends.
    int paintMark(HDC dc, const RECT &client);

    int m_author;
    Palette &m_palette;
    const int &m_dpi;
    bool m_focusing = false;
};

} // namespace quillomar::win32
