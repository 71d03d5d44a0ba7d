// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <commctrl.h>
#include <oleacc.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "resource.h"
#include "text.h"
#include "ui/view.h"

namespace quillomar::win32 {

namespace {

const wchar_t ClassName[] = L"Quillomar";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// A layout rectangle in pixels at `dpi`, moved by `origin` (also in twips).
RECT pixels(const layout::Twips &twips, int dpi, const layout::Twips &origin = {})
{
    const layout::Pixels box = layout::toPixels(twips, dpi, origin);
    return { box.left, box.top, box.left + box.width, box.top + box.height };
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

MainWindow::MainWindow(const Catalogue &catalogue) : m_runner(catalogue) { }

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
        m_highContrast = highContrastOn();
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
    case WM_MEASUREITEM: // the tale list's, made before the window knows its handle
        reinterpret_cast<MEASUREITEMSTRUCT *>(lParam)->itemHeight = UINT(titleHeight());
        return TRUE;
    case WM_DRAWITEM:
        drawTitle(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 brushOf(win32::coloursOf(Part::Window, 0, m_highContrast)));
        return 1;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        followSystemColours();
        return 0;
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
            PostQuitMessage(m_runner.ended() ? RunTimeErrorExitCode : 0);
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
            m_title = addControl(WC_STATICW, form().Label1(0).caption(), label, 0, TitleId);
            break;
        case layout::Focusable::Author: {
            HWND &button = m_authors[std::size_t(stop.index)];
            button = addControl(WC_BUTTONW, form().Option1(stop.index).caption(),
                                BS_RADIOBUTTON | (inGroup ? 0 : WS_GROUP), 0,
                                AuthorId + stop.index);
            subclass(button);
            break;
        }
        case layout::Focusable::Tales: {
            m_heading = addControl(WC_STATICW, form().Label1(1).caption(), label, 0, HeadingId);
            m_tales = addControl(WC_LISTBOXW, u"",
                                 WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY
                                         | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED
                                         | LBS_HASSTRINGS,
                                 WS_EX_CLIENTEDGE, TalesId);
            const ListBox &tales = form().List1(0);
            for (int p = 0; p < tales.listCount(); ++p)
                SendMessageW(m_tales, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(wide(tales.list(p)).c_str()));
            subclass(m_tales);
            break;
        }
        }
        inGroup = author;
    }
    m_frame = addControl(WC_BUTTONW, form().Frame1.caption(), BS_GROUPBOX | WS_CLIPSIBLINGS, 0,
                         FrameId);
    subclass(m_frame);

    nameControls();
}

// Each control is made where it belongs and with the window's font: placing
// it afterwards would lay its text out again, which costs start-up time.
HWND MainWindow::addControl(const wchar_t *windowClass, const std::u16string &text, DWORD style,
                            DWORD extendedStyle, int id)
{
    const RECT place = placeOf(id);
    HWND control = CreateWindowExW(
            extendedStyle, windowClass, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
            place.left, place.top, place.right - place.left, place.bottom - place.top, m_hwnd,
            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
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
                                 wide(form().Label1(1).caption()).c_str());
}

// On a screen of other dots per inch: every control moves and takes a font
// of the new size, and the window keeps its client area in twips.
void MainWindow::layOut()
{
    Gdi<HFONT> font = makeFont();
    for (HWND control = GetWindow(m_hwnd, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT place = placeOf(GetDlgCtrlID(control));
        MoveWindow(control, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, TRUE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    m_font = std::move(font); // the old one, now unused, goes
    SendMessageW(m_tales, LB_SETITEMHEIGHT, 0, titleHeight());
    resize();
}

void MainWindow::resize()
{
    const SIZE size = windowSize(m_dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Colours MainWindow::coloursOf(HWND control) const
{
    Part part = Part::Label;
    int a = GetDlgCtrlID(control) - AuthorId;
    if (control == m_output)
        part = Part::Output;
    else if (control == m_frame)
        part = Part::Frame;
    else if (control == m_tales)
        part = Part::Tales;
    else if (a >= 0 && a < int(m_authors.size()))
        part = Part::Author;
    return win32::coloursOf(part, part == Part::Author ? a : 0, m_highContrast);
}

HBRUSH MainWindow::brushOf(const Colours &colours)
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

LRESULT MainWindow::onControlColour(HDC dc, HWND control)
{
    const Colours colours = coloursOf(control);
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    return reinterpret_cast<LRESULT>(brushOf(colours));
}

void MainWindow::followSystemColours()
{
    m_highContrast = highContrastOn();
    // Common controls learn of new system colours from their window.
    for (HWND control = GetWindow(m_hwnd, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(m_hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

namespace {

// A focus mark in the text's own colour: dotted, as Windows draws it, but not
// inverted, which on some of the fixed backgrounds is barely seen.
void drawFocusMark(HDC dc, RECT rect, COLORREF colour)
{
    const LOGBRUSH pattern { BS_SOLID, colour, 0 };
    HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &pattern, 0, nullptr);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

std::wstring textOf(HWND control)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    return text;
}

} // namespace

void MainWindow::paintAuthor(HWND button, HDC dc)
{
    const Colours colours = coloursOf(button);
    RECT client;
    GetClientRect(button, &client);
    FillRect(dc, &client, brushOf(colours));

    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool checked = state & BST_CHECKED, pushed = state & BST_PUSHED;
    const int side = layout::scaled(layout::RadioMark, m_dpi);
    SIZE box { side, side };
    HTHEME theme = GetWindowTheme(button);
    const int themeState = (checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL)
            + (pushed                    ? 2
                       : state & BST_HOT ? 1
                                         : 0);
    if (theme)
        GetThemePartSize(theme, dc, BP_RADIOBUTTON, themeState, nullptr, TS_DRAW, &box);
    const int top = (client.bottom - box.cy) / 2;
    RECT indicator { client.left, top, client.left + box.cx, top + box.cy };
    if (theme)
        DrawThemeBackground(theme, dc, BP_RADIOBUTTON, themeState, &indicator, nullptr);
    else
        DrawFrameControl(dc, &indicator, DFC_BUTTON,
                         DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0)
                                 | (pushed ? DFCS_PUSHED : 0));

    const std::wstring text = textOf(button);
    HGDIOBJ oldFont = SelectObject(dc, m_font.get());
    RECT label { indicator.right + layout::scaled(layout::RadioGap, m_dpi), client.top,
                 client.right, client.bottom };
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT;
    SetTextColor(dc, colours.text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), int(text.size()), &label, format);
    if (GetFocus() == button && !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT mark = label;
        DrawTextW(dc, text.c_str(), int(text.size()), &mark, format | DT_CALCRECT);
        const int height = mark.bottom - mark.top;
        mark.top = (client.bottom - height) / 2 - 1;
        mark.bottom = mark.top + height + 2;
        mark.left -= 2;
        mark.right = std::min(mark.right + 2, client.right);
        drawFocusMark(dc, mark, colours.text);
    }
    SelectObject(dc, oldFont);
}

int MainWindow::titleHeight() const
{
    HDC dc = GetDC(m_hwnd);
    HGDIOBJ oldFont = SelectObject(dc, m_font.get());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, oldFont);
    ReleaseDC(m_hwnd, dc);
    return metrics.tmHeight;
}

void MainWindow::drawTitle(const DRAWITEMSTRUCT &item)
{
    if (item.itemID == UINT(-1))
        return;
    const Colours colours = win32::coloursOf(
            item.itemState & ODS_SELECTED ? Part::ChosenTale : Part::Tales, 0, m_highContrast);
    FillRect(item.hDC, &item.rcItem, brushOf(colours));
    const std::wstring text = wide(form().List1(0).list(int(item.itemID)));
    RECT label = item.rcItem;
    label.left += 2;
    SetTextColor(item.hDC, colours.text);
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, text.c_str(), int(text.size()), &label,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        drawFocusMark(item.hDC, item.rcItem, colours.text);
}

void MainWindow::paintFrame(HDC dc)
{
    const Colours colours = coloursOf(m_frame);
    RECT client;
    GetClientRect(m_frame, &client);
    FillRect(dc, &client, brushOf(colours));

    const std::wstring caption = textOf(m_frame);
    HGDIOBJ oldFont = SelectObject(dc, m_font.get());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    if (HTHEME theme = GetWindowTheme(m_frame))
        DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &border, nullptr);
    else
        DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    // The caption on the line, on the frame's own colour.
    const int inset = layout::scaled(layout::FrameCaptionInset, m_dpi);
    RECT label { client.left + inset, client.top, client.right - inset,
                 client.top + metrics.tmHeight };
    DrawTextW(dc, caption.c_str(), int(caption.size()), &label,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    RECT backing = label;
    InflateRect(&backing, 2, 0);
    FillRect(dc, &backing, brushOf(colours));
    SetTextColor(dc, colours.text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &label, DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

// What the window writes into its controls raises no notification: the
// radio buttons' check, the list's selection and the edit's text change
// without a BN_CLICKED or LBN_SELCHANGE that could be taken for a choice.
void MainWindow::showForm()
{
    const View &view = m_runner.view();
    SetWindowTextW(m_output, wide(view.text).c_str());
    SendMessageW(m_output, WM_VSCROLL, SB_TOP, 0);
    if (m_accessible) {
        // A screen reader finds the report's first line, the chosen author, in
        // the box's description.
        const std::wstring text = wide(view.text);
        m_accessible->SetHwndPropStr(m_output, DWORD(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION,
                                     text.substr(0, text.find(L'\r')).c_str());
    }

    for (std::size_t a = 0; a < m_authors.size(); ++a) {
        SendMessageW(m_authors[a], BM_SETCHECK, int(a) == view.author ? BST_CHECKED : BST_UNCHECKED,
                     0);
        // The group's one Tab stop, as screen readers and the dialog manager see it.
        const LONG_PTR style = GetWindowLongPtrW(m_authors[a], GWL_STYLE);
        SetWindowLongPtrW(m_authors[a], GWL_STYLE,
                          int(a) == authorTabStop(view) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }

    SendMessageW(m_tales, LB_SETCURSEL, WPARAM(view.tale), 0); // -1 keeps the scroll position
}

void MainWindow::fail()
{
    MessageBoxW(m_hwnd, fromUtf8(m_runner.errorMessage()).c_str(), wide(layout::Caption).c_str(),
                MB_OK | MB_ICONERROR);
    DestroyWindow(m_hwnd);
}

} // namespace quillomar::win32
