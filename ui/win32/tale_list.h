// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "child_control.h"
#include "colours.h"
#include "model/controls.h"
#include "ui/choice_runner.h"

namespace quillomar::win32 {

// The tale list: an owner-drawn list box of the form's titles. Its moving
// keys, typed letters and a click on the chosen title are only reported; the
// window shows the selection the runner's view says, not the list box's own
// search. Long titles are clipped at the edge, and the one under the mouse
// shows whole in a tip.
class TaleList : public ChildControl
{
public:
    TaleList(const ListBox &titles, Palette &palette) : m_titles(titles), m_palette(palette) { }

    std::function<void(ListKey key)> keyPressed;
    std::function<void(char16_t letter)> typed;
    // The user clicked the title that was already selected.
    std::function<void(int tale)> reselected;

    // Makes the list in `parent` at `place` and fills it.
    void create(HWND parent, int id, const RECT &place, HFONT font);
    // Adds the tip for clipped titles; until the first frame no mouse can hover.
    void addTips(HWND parent);

    // The selected title, or -1.
    int selection() const;
    // Selects `tale`, or nothing for -1, which keeps the scroll position.
    void select(int tale);
    // How many titles the list shows at a time.
    int pageRows() const;

    // A title's height in `font`, for WM_MEASUREITEM.
    static int itemHeight(HWND window, HFONT font);
    void drawItem(const DRAWITEMSTRUCT &item);
    // WM_NOTIFY from the tip: fills in the title under the mouse.
    bool fillTip(const NMHDR &header);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The title at a point of the client area, or -1.
    int titleAt(LPARAM point) const;

    const ListBox &m_titles;
    Palette &m_palette;
    HWND m_tip = nullptr;
    int m_hovered = -1; // the title under the mouse, for its tip
    std::wstring m_tipText;
};

} // namespace quillomar::win32
