// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

#include "resource.h"
#include "text.h"
#include "ui/view.h"

namespace quillomar::win32 {

namespace {

const wchar_t ClassName[] = L"Quillomar";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

COLORREF colour(const layout::Rgb &rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

Gdi<HBRUSH> brush(const layout::Rgb &rgb)
{
    return Gdi<HBRUSH>(CreateSolidBrush(colour(rgb)));
}

// A layout rectangle in pixels at `dpi`, moved by `origin` (also in twips).
RECT pixels(const layout::Twips &twips, int dpi, const layout::Twips &origin = {})
{
    const int left = layout::toPixels(origin.left + twips.left, dpi);
    const int top = layout::toPixels(origin.top + twips.top, dpi);
    return { left, top, left + layout::toPixels(twips.width, dpi),
             top + layout::toPixels(twips.height, dpi) };
}

// The outer size of the window whose client area is the layout's, at `dpi`.
SIZE windowSize(int dpi)
{
    RECT rect = pixels(layout::ClientArea, dpi);
    AdjustWindowRectExForDpi(&rect, WindowStyle, FALSE, 0, UINT(dpi));
    return { rect.right - rect.left, rect.bottom - rect.top };
}

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

void ComRelease::operator()(IUnknown *object) const
{
    object->Release();
}

MainWindow::MainWindow(const Catalogue &catalogue)
    : m_form(catalogue),
      m_windowBrush(brush(layout::WindowColour)),
      m_labelBrush(brush(layout::LabelColour)),
      m_frameBrush(brush(layout::FrameColour)),
      m_taleBrush(brush(layout::TaleListColour))
{
    for (std::size_t a = 0; a < m_authorBrushes.size(); ++a)
        m_authorBrushes[a] = brush(layout::AuthorColours[a]);
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
        m_dpi = int(GetDpiForWindow(m_hwnd));
        m_font = makeFont();
        resize();
        createControls();
        showForm();
        // A timer's message comes after every paint: the first frame is out first.
        SetTimer(m_hwnd, AfterFirstFrame, 0, nullptr);
        return 0;
    case WM_TIMER:
        if (wParam == AfterFirstFrame) {
            KillTimer(m_hwnd, AfterFirstFrame);
            addTaleTips();
        }
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR *>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_windowBrush.get());
        return 1;
    }
    case WM_NEXTDLGCTL: // how a multi-line edit passes Tab on, as in a dialog
        SetFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(m_hwnd, GetFocus(), wParam != 0));
        return 0;
    case WM_GETMINMAXINFO: {
        // A fixed size, maximized or not.
        const SIZE size = windowSize(m_dpi);
        auto *limits = reinterpret_cast<MINMAXINFO *>(lParam);
        limits->ptMaxSize = limits->ptMinTrackSize = limits->ptMaxTrackSize = { size.cx, size.cy };
        return 0;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MAXIMIZE || (wParam & 0xFFF0) == SC_SIZE)
            return 0;
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            m_lastFocus = GetFocus();
        else
            SetFocus(m_lastFocus ? m_lastFocus : m_output);
        return 0;
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
    case WM_DESTROY:
        if (!m_closedByOwner)
            PostQuitMessage(m_failed ? RunTimeErrorExitCode : 0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        return 0;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

// Children are created in the layout's keyboard order, which is the order
// the dialog manager moves the focus in (only the group's stop is WS_TABSTOP).
// Labels come right before what they name: a screen reader names the list
// by the heading before it. The frame comes last, below the buttons it holds.
void MainWindow::createControls()
{
    const DWORD label = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    bool inGroup = false; // a run of author buttons is one group for the dialog manager
    for (const layout::Stop &stop : layout::TabOrder) {
        const bool author = stop.control == layout::Focusable::Author;
        switch (stop.control) {
        case layout::Focusable::Output:
            m_output = addControl(WC_EDITW, u"",
                                  WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                                  WS_EX_CLIENTEDGE, OutputId);
            m_title = addControl(WC_STATICW, m_form.Label1(0).caption(), label, 0, TitleId);
            break;
        case layout::Focusable::Author: {
            HWND &button = m_authors[std::size_t(stop.index)];
            button = addControl(WC_BUTTONW, m_form.Option1(stop.index).caption(),
                                BS_RADIOBUTTON | (inGroup ? 0 : WS_GROUP), 0, AuthorId + stop.index);
            SetWindowSubclass(button, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
            break;
        }
        case layout::Focusable::Tales: {
            m_heading = addControl(WC_STATICW, m_form.Label1(1).caption(), label, 0, HeadingId);
            m_tales = addControl(WC_LISTBOXW, u"",
                                 WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                 WS_EX_CLIENTEDGE, TalesId);
            const ListBox &tales = m_form.List1(0);
            for (int p = 0; p < tales.listCount(); ++p)
                SendMessageW(m_tales, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(wide(tales.list(p)).c_str()));
            SetWindowSubclass(m_tales, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
            break;
        }
        }
        inGroup = author;
    }
    m_frame = addControl(WC_BUTTONW, m_form.Frame1.caption(), BS_GROUPBOX | WS_CLIPSIBLINGS, 0, FrameId);
    SetWindowSubclass(m_frame, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));

    nameControls();
}

// Each control is made where it belongs and with the window's font: placing
// it afterwards would lay its text out again, which costs start-up time.
HWND MainWindow::addControl(const wchar_t *windowClass, const std::u16string &text, DWORD style,
                            DWORD extendedStyle, int id)
{
    const RECT place = placeOf(id);
    HWND control = CreateWindowExW(extendedStyle, windowClass, wide(text).c_str(),
                                   WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, m_hwnd,
                                   reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    return control;
}

RECT MainWindow::placeOf(int id) const
{
    switch (id) {
    case OutputId:
        return pixels(layout::OutputBox, m_dpi);
    case TitleId:
        return pixels(layout::Title, m_dpi);
    case HeadingId:
        return pixels(layout::TaleHeading, m_dpi);
    case FrameId:
        return pixels(layout::Frame, m_dpi);
    case TalesId:
        return pixels(layout::TaleList, m_dpi);
    }
    return pixels(layout::authorButton(id - AuthorId), m_dpi, layout::Frame);
}

Gdi<HFONT> MainWindow::makeFont() const
{
    return Gdi<HFONT>(CreateFontW(-MulDiv(layout::FontPoints, m_dpi, 72), 0, 0, 0, FW_NORMAL, FALSE,
                                  FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN,
                                  wide(layout::FontFamily).c_str()));
}

// Screen readers name a control by its caption, or an edit or list by the
// label just before it. The output box has none, so it is named here, through
// Dynamic Annotation, as is the list, to be sure.
// Long titles are clipped at the list's edge; the one under the mouse shows
// whole in a tip. Made after the first frame: until then no mouse can hover.
void MainWindow::addTaleTips()
{
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_tales);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::nameControls()
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&services))))
        return;
    m_accessible.reset(services);
    m_accessible->SetHwndPropStr(m_output, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                 wide(layout::OutputBoxName).c_str());
    m_accessible->SetHwndPropStr(m_tales, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                 wide(m_form.Label1(1).caption()).c_str());
}

// On a screen of other dots per inch: every control moves and takes a font
// of the new size, and the window keeps its client area in twips.
void MainWindow::layOut()
{
    Gdi<HFONT> font = makeFont();
    for (HWND control = GetWindow(m_hwnd, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT place = placeOf(GetDlgCtrlID(control));
        MoveWindow(control, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, TRUE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    m_font = std::move(font); // the old one, now unused, goes
    resize();
}

void MainWindow::resize()
{
    const SIZE size = windowSize(m_dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindow::onControlColour(HDC dc, HWND control)
{
    HBRUSH background = m_labelBrush.get();
    COLORREF backgroundColour = colour(layout::LabelColour);
    if (control == m_output) {
        // A text box keeps the system's window colour, read-only or not.
        background = GetSysColorBrush(COLOR_WINDOW);
        backgroundColour = GetSysColor(COLOR_WINDOW);
    } else if (control == m_frame) {
        background = m_frameBrush.get();
        backgroundColour = colour(layout::FrameColour);
    } else if (control == m_tales) {
        background = m_taleBrush.get();
        backgroundColour = colour(layout::TaleListColour);
    } else if (const int a = GetDlgCtrlID(control) - AuthorId; a >= 0 && a < int(m_authors.size())) {
        background = m_authorBrushes[std::size_t(a)].get();
        backgroundColour = colour(layout::AuthorColours[std::size_t(a)]);
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, backgroundColour);
    return reinterpret_cast<LRESULT>(background);
}

// What the window writes into its controls raises no notification: the
// radio buttons' check, the list's selection and the edit's text change
// without a BN_CLICKED or LBN_SELCHANGE that could be taken for a choice.
void MainWindow::showForm()
{
    const View view = viewOf(m_form);
    SetWindowTextW(m_output, wide(view.text).c_str());
    SendMessageW(m_output, WM_VSCROLL, SB_TOP, 0);
    if (m_accessible) {
        // A screen reader finds the report's first line, the chosen author, in
        // the box's description.
        const std::wstring text = wide(view.text);
        m_accessible->SetHwndPropStr(m_output, DWORD(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION, text.substr(0, text.find(L'\r')).c_str());
    }

    for (std::size_t a = 0; a < m_authors.size(); ++a) {
        SendMessageW(m_authors[a], BM_SETCHECK, int(a) == view.author ? BST_CHECKED : BST_UNCHECKED, 0);
        // The group's one Tab stop, as screen readers and the dialog manager see it.
        const LONG_PTR style = GetWindowLongPtrW(m_authors[a], GWL_STYLE);
        SetWindowLongPtrW(m_authors[a], GWL_STYLE,
                          int(a) == authorTabStop(view) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }

    SendMessageW(m_tales, LB_SETCURSEL, WPARAM(view.tale), 0); // -1 keeps the scroll position
    m_taleChosen = m_taleChosen || view.tale >= 0;
}

void MainWindow::fail(const ControlError &error)
{
    m_failed = true;
    MessageBoxW(m_hwnd, fromUtf8(error.what()).c_str(), wide(layout::Caption).c_str(),
                MB_OK | MB_ICONERROR);
    DestroyWindow(m_hwnd);
}

} // namespace quillomar::win32
