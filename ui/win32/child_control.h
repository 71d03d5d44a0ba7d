// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <string>

namespace quillomar::win32 {

// Makes a child control of `parent` at `place`, already with `font`: setting
// either afterwards would lay its text out again, which costs start-up time.
HWND createChild(HWND parent, const wchar_t *windowClass, const std::wstring &text, DWORD style,
                 DWORD extendedStyle, int id, const RECT &place, HFONT font);

// A stock control of the window that handles some of its messages itself and
// leaves the rest to its class, subclassed with comctl32's SetWindowSubclass.
class ChildControl
{
public:
    ChildControl() = default;
    virtual ~ChildControl() = default;
    ChildControl(const ChildControl &) = delete;
    ChildControl &operator=(const ChildControl &) = delete;

    HWND hwnd() const { return m_hwnd; }

    // Makes the control (see createChild) and takes its messages.
    void create(HWND parent, const wchar_t *windowClass, const std::wstring &text, DWORD style,
                DWORD extendedStyle, int id, const RECT &place, HFONT font);

protected:
    // Every message of the control; the class's own handling by default.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT callBase(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK subclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    HWND m_hwnd = nullptr;
};

// A button-class control, such as a radio button or a group box, that
// paints itself here rather than as its class would, so that its text takes
// the colour chosen for its background, themed or not.
class PaintedButton : public ChildControl
{
protected:
    virtual void paint(HDC dc) = 0;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace quillomar::win32
