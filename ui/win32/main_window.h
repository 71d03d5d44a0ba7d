// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "annotations.h"
#include "author_button.h"
#include "author_frame.h"
#include "colours.h"
#include "gdi.h"
#include "tale_list.h"
#include "ui/choice_runner.h"

namespace quillomar::win32 {

// The program's one window on Windows, made of stock controls: a read-only
// multi-line edit, static labels, a group box with nine radio buttons and a
// list box. It owns the form object, through the runner of the user's
// choices, and shows its view. The controls that draw themselves or report
// keys are small classes of their own; the window creates and lays out its
// children, passes the user's choices to the runner and brings the controls
// in line with its view. What the window writes into them raises no
// notification that could be taken for a choice.
//
// The C++ object is bound to its HWND: `this` is stored at WM_NCCREATE and
// every message goes to handleMessage. The message loop is run()'s, in
// application.cpp, which passes each message through IsDialogMessage for the
// keyboard.
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
    HWND frame() const { return m_frame.hwnd(); }
    HWND author(int a) const { return m_authors[std::size_t(a)]->hwnd(); }
    HWND taleHeading() const { return m_heading; }
    HWND taleList() const { return m_tales.hwnd(); }
    // What the window has told screen readers of its controls.
    const Annotations &annotations() const { return *m_annotations; }

private:
    static constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    // The outer size of the window whose client area is the layout's, at `dpi`.
    static SIZE windowSize(int dpi);

    // Control identifiers: a base per control array, plus the element's index.
    static constexpr int OutputId = 100, TitleId = 200, HeadingId = 201, FrameId = 300,
                         AuthorId = 400, TalesId = 500;
    static constexpr UINT_PTR AfterFirstFrame = 1; // timer

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // What the children send their parent.
    LRESULT handleChildMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Size, place, dots per inch and colours.
    LRESULT handleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void onCreate();
    void createControls();
    // A stock control that is not subclassed: the output box or a label.
    HWND addStock(const wchar_t *windowClass, const std::u16string &text, DWORD style,
                  DWORD extendedStyle, int id);
    void createAuthors();
    // Where the control with this identifier lies, in pixels at the window's DPI.
    RECT placeOf(int id) const;
    Gdi<HFONT> makeFont() const;
    void nameControls();
    // Places every control and sets its font for the window's dots per inch.
    void layOut();
    // Gives the window the layout's client area at its dots per inch.
    void resize();
    void onCommand(int id, int code);
    LRESULT onControlColour(HDC dc, HWND control);
    // A new theme, system colours or High Contrast setting: draws everything anew.
    void followSystemColours();

    // Shows what a choice changed; a run-time error ends the program.
    void follow(Outcome outcome);
    void showView();
    void fail();

    ChoiceRunner m_runner;
    Palette m_palette;
    int m_dpi = 96;
    HWND m_hwnd = nullptr;
    HWND m_output = nullptr;
    HWND m_title = nullptr;
    HWND m_heading = nullptr;
    AuthorFrame m_frame { m_palette, m_dpi };
    std::vector<std::unique_ptr<AuthorButton>> m_authors; // by author index
    TaleList m_tales { m_runner.form().List1(0), m_palette };
    HWND m_lastFocus = nullptr; // where the focus goes back when the window is activated
    bool m_closedByOwner = false;
    std::unique_ptr<Annotations> m_annotations; // made with the window, once COM is up
    Gdi<HFONT> m_font;
};

} // namespace quillomar::win32
