// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>
#include <oleacc.h>

#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "colours.h"

#include "ui/choice_runner.h"
#include "ui/layout.h"

namespace quillomar::win32 {

// COM objects are released with their owner.
struct ComRelease
{
    void operator()(IUnknown *object) const;
};

// GDI objects (fonts, brushes) are owned and deleted with their owner.
struct GdiDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template<typename Handle>
using Gdi = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// The program's one window on Windows, made of stock controls: a read-only
// multi-line edit, static labels, a group box with nine radio buttons and a
// list box. It owns the form object and shows its state. A click or key
// becomes UserSelectsAuthor / UserSelectsTale; afterwards the controls are
// brought in line with the form. The controls never decide: the radio buttons
// do not check themselves, and what the program writes into them raises no
// notification that could be taken for a choice.
//
// The C++ object is bound to its HWND: `this` is stored at WM_NCCREATE and
// every message goes to handleMessage. The message loop stays in wWinMain,
// which passes each message through IsDialogMessage for the keyboard.
class MainWindow
{
public:
    explicit MainWindow(const Catalogue &catalogue = builtInCatalogue());
    ~MainWindow();
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;

    // Creates the window with its controls and shows it; false if Windows refuses.
    bool create(HINSTANCE instance, int show);

    HWND hwnd() const { return m_hwnd; }
    const Form &form() const { return m_runner.form(); }
    int dpi() const { return m_dpi; }

    // The visible controls, for the tests.
    HWND outputBox() const { return m_output; }
    HWND title() const { return m_title; }
    HWND frame() const { return m_frame; }
    HWND author(int a) const { return m_authors[std::size_t(a)]; }
    HWND taleHeading() const { return m_heading; }
    HWND taleList() const { return m_tales; }

private:
    // Control identifiers: a base per control array, plus the element's index.
    static constexpr int OutputId = 100, TitleId = 200, HeadingId = 201, FrameId = 300,
                         AuthorId = 400, TalesId = 500;
    static constexpr UINT_PTR AfterFirstFrame = 1; // timer

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The buttons and the list are subclassed the plain way, with the window in
    // their user data: comctl32's SetWindowSubclass looks up a window property
    // on every message, a round trip to the server under Wine.
    static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    void subclass(HWND control);
    LRESULT callBase(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleAuthorMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleTaleListMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    HWND addControl(const wchar_t *windowClass, const std::u16string &text, DWORD style,
                    DWORD extendedStyle, int id);
    // Where the control with this identifier lies, in pixels at the window's DPI.
    RECT placeOf(int id) const;
    Gdi<HFONT> makeFont() const;
    void addTaleTips();
    void nameControls();
    // Places every control and sets its font for the window's dots per inch.
    void layOut();
    // Gives the window the layout's client area at its dots per inch.
    void resize();
    void onCommand(int id, int code);
    LRESULT onNotify(const NMHDR &header);
    LRESULT onControlColour(HDC dc, HWND control);
    // The colours of the part `control` is, and a brush of its background.
    Colours coloursOf(HWND control) const;
    HBRUSH brushOf(const Colours &colours);
    // The author buttons and the frame are drawn here, so that their text takes
    // the colour chosen for its background, themed or not, and the frame is
    // its colour to the edges.
    void paintAuthor(HWND button, HDC dc);
    void paintFrame(HDC dc);
    // Titles are drawn here too: the system's pair for a selected item may
    // fall short of 4.5:1 (Windows' own default just does).
    void drawTitle(const DRAWITEMSTRUCT &item);
    int titleHeight() const;
    // A new theme, system colours or High Contrast setting: draws everything anew.
    void followSystemColours();
    void stepAuthor(int from, int step);
    // How many titles the tale list shows at a time.
    int pageRows() const;
    // Shows what a choice changed; a run-time error ends the program.
    void follow(Outcome outcome);
    void showForm();
    void fail();

    ChoiceRunner m_runner;
    HWND m_hwnd = nullptr;
    HWND m_output = nullptr;
    HWND m_title = nullptr;
    HWND m_frame = nullptr;
    std::array<HWND, 9> m_authors {};
    HWND m_heading = nullptr;
    HWND m_tales = nullptr;
    HWND m_tooltip = nullptr;
    WNDPROC m_buttonProc = nullptr, m_listProc = nullptr; // the classes' own
    HWND m_lastFocus = nullptr; // where the focus goes back when the window is activated
    int m_dpi = 96;
    int m_hoveredTale = -1; // the title under the mouse, for its tip
    bool m_focusingAuthor = false; // a radio button taking the focus, not a click
    bool m_closedByOwner = false;
    bool m_highContrast = false; // only the system's colours
    std::wstring m_tooltipText;
    std::unique_ptr<IAccPropServices, ComRelease> m_accessible;

    Gdi<HFONT> m_font;
    std::vector<std::pair<COLORREF, Gdi<HBRUSH>>> m_brushes; // for the fixed backgrounds
};

} // namespace quillomar::win32
