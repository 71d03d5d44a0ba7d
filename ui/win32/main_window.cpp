// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <commctrl.h>

#include <utility>

#include "resource.h"
#include "text.h"
#include "ui/layout.h"
#include "ui/view.h"

namespace quillomar::win32 {

namespace {

const wchar_t ClassName[] = L"Quillomar";

bool registerClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass {};
    if (GetClassInfoExW(instance, ClassName, &windowClass))
        return true;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUILLOMAR));
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace

MainWindow::MainWindow(const Catalogue &catalogue) : m_runner(catalogue)
{
    for (int a = 0; a < form().Option1.count(); ++a) {
        m_authors.push_back(std::make_unique<AuthorButton>(a, m_palette, m_dpi));
        m_authors.back()->stepped = [this, a](int step) {
            const Outcome outcome = m_runner.stepAuthor(a, step);
            follow(outcome);
            if (outcome == Outcome::Changed)
                SetFocus(author(m_runner.view().author));
        };
    }
    m_tales.keyPressed
            = [this](ListKey key) { follow(m_runner.pressListKey(key, m_tales.pageRows())); };
    m_tales.reselected = [this](int p) { follow(m_runner.chooseTale(p)); };
    m_tales.typed = [this](char16_t letter) { follow(m_runner.typeInList(letter)); };
}

MainWindow::~MainWindow()
{
    if (m_hwnd) {
        // Closed by its owner, not the user: no quit message for a loop.
        m_closedByOwner = true;
        DestroyWindow(m_hwnd);
    }
}

bool MainWindow::create(HINSTANCE instance, int show)
{
    if (!registerClass(instance, windowProc))
        return false;
    const SIZE size = windowSize(int(GetDpiForSystem()));
    CreateWindowExW(0, ClassName, wide(layout::Caption).c_str(), WindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, this);
    if (!m_hwnd)
        return false;
    ShowWindow(m_hwnd, show);
    SetFocus(m_output);
    return true;
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<MainWindow *>(
                reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->handleMessage(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_TIMER:
        if (wParam == AfterFirstFrame) {
            KillTimer(m_hwnd, AfterFirstFrame);
            m_tales.addTips(m_hwnd);
        }
        return 0;
    case WM_NEXTDLGCTL: // how a multi-line edit passes Tab on, as in a dialog
        SetFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(m_hwnd, GetFocus(), wParam != 0));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            m_lastFocus = GetFocus();
        else
            SetFocus(m_lastFocus ? m_lastFocus : m_output);
        return 0;
    case WM_DESTROY:
        if (!m_closedByOwner)
            PostQuitMessage(m_runner.ended() ? RunTimeErrorExitCode : 0);
        return 0;
    case WM_NCDESTROY: {
        // The window goes before its object: it calls this object no more.
        HWND hwnd = std::exchange(m_hwnd, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    }
    return handleChildMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleChildMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        m_tales.fillTip(*reinterpret_cast<const NMHDR *>(lParam));
        return 0;
    case WM_MEASUREITEM: // the tale list's, made before the list knows its handle
        reinterpret_cast<MEASUREITEMSTRUCT *>(lParam)->itemHeight
                = UINT(TaleList::itemHeight(m_hwnd, m_font.get()));
        return TRUE;
    case WM_DRAWITEM:
        m_tales.drawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    }
    return handleFrameMessage(message, wParam, lParam);
}

void MainWindow::onCreate()
{
    m_dpi = int(GetDpiForWindow(m_hwnd));
    m_font = makeFont();
    resize();
    createControls();
    showView();
    // A timer's message comes after every paint: the first frame is out first.
    SetTimer(m_hwnd, AfterFirstFrame, 0, nullptr);
}

// Children are created in the layout's keyboard order, which is the order
// the dialog manager moves the focus in (only the group's stop is WS_TABSTOP).
// Labels come right before what they name: a screen reader names the list
// by the heading before it. The frame comes last, below the buttons it holds.
void MainWindow::createControls()
{
    const DWORD label = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    m_output = addStock(WC_EDITW, u"",
                        WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                        WS_EX_CLIENTEDGE, OutputId);
    m_title = addStock(WC_STATICW, form().Label1(0).caption(), label, 0, TitleId);
    createAuthors();
    m_frame.create(m_hwnd, WC_BUTTONW, wide(form().Frame1.caption()), BS_GROUPBOX | WS_CLIPSIBLINGS,
                   0, FrameId, placeOf(FrameId), m_font.get());
    nameControls();
}

HWND MainWindow::addStock(const wchar_t *windowClass, const std::u16string &text, DWORD style,
                          DWORD extendedStyle, int id)
{
    return createChild(m_hwnd, windowClass, wide(text), style, extendedStyle, id, placeOf(id),
                       m_font.get());
}

// The author buttons, with the tale list between them where the keyboard
// order puts it; a run of buttons is one group for the dialog manager.
void MainWindow::createAuthors()
{
    bool inGroup = false;
    for (const layout::Stop &stop : layout::TabOrder) {
        if (stop.control == layout::Focusable::Author) {
            const int id = AuthorId + stop.index;
            m_authors[std::size_t(stop.index)]->create(
                    m_hwnd, WC_BUTTONW, wide(form().Option1(stop.index).caption()),
                    BS_RADIOBUTTON | (inGroup ? 0 : WS_GROUP), 0, id, placeOf(id), m_font.get());
        } else if (stop.control == layout::Focusable::Tales) {
            m_heading = addStock(WC_STATICW, form().Label1(1).caption(),
                                 SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, HeadingId);
            m_tales.create(m_hwnd, TalesId, placeOf(TalesId), m_font.get());
        }
        inGroup = stop.control == layout::Focusable::Author;
    }
}

// Screen readers name a control by its caption, or an edit or list by the
// label just before it. The output box has none, so it is named here, as is
// the list, to be sure.
void MainWindow::nameControls()
{
    m_annotations = std::make_unique<Annotations>();
    m_annotations->set(m_output, PROPID_ACC_NAME, wide(layout::OutputBoxName));
    m_annotations->set(m_tales.hwnd(), PROPID_ACC_NAME, wide(form().Label1(1).caption()));
}

void MainWindow::onCommand(int id, int code)
{
    const int a = id - AuthorId;
    if (a >= 0 && a < int(m_authors.size())) {
        if (m_authors[std::size_t(a)]->isChoice(code))
            follow(m_runner.chooseAuthor(a));
    } else if (id == TalesId && code == LBN_SELCHANGE && m_tales.selection() >= 0
               && m_tales.selection() != m_runner.view().tale) {
        // The chosen title clicked again comes as `reselected`: Wine also
        // sends this for it, and one click is one choice.
        follow(m_runner.chooseTale(m_tales.selection()));
    }
}

LRESULT MainWindow::onControlColour(HDC dc, HWND control)
{
    const Part part = control == m_output ? Part::Output
            : control == m_tales.hwnd()   ? Part::Tales
                                          : Part::Label;
    const Colours colours = m_palette.of(part);
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    return reinterpret_cast<LRESULT>(m_palette.brush(colours));
}

void MainWindow::follow(Outcome outcome)
{
    if (outcome == Outcome::Changed)
        showView();
    else if (outcome == Outcome::Ended)
        fail();
}

// What the window writes into its controls raises no notification: the
// radio buttons' check, the list's selection and the edit's text change
// without a BN_CLICKED or LBN_SELCHANGE that could be taken for a choice.
void MainWindow::showView()
{
    const View &view = m_runner.view();
    SetWindowTextW(m_output, wide(view.text).c_str());
    SendMessageW(m_output, WM_VSCROLL, SB_TOP, 0);
    m_annotations->set(m_output, PROPID_ACC_DESCRIPTION, wide(view.description));

    for (std::size_t a = 0; a < m_authors.size(); ++a) {
        HWND button = m_authors[a]->hwnd();
        SendMessageW(button, BM_SETCHECK, int(a) == view.author ? BST_CHECKED : BST_UNCHECKED, 0);
        // The group's one Tab stop, as screen readers and the dialog manager see it.
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE,
                          int(a) == authorTabStop(view) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    m_tales.select(view.tale);
}

void MainWindow::fail()
{
    MessageBoxW(m_hwnd, fromUtf8(m_runner.errorMessage()).c_str(), wide(layout::Caption).c_str(),
                MB_OK | MB_ICONERROR);
    DestroyWindow(m_hwnd);
}

} // namespace quillomar::win32
