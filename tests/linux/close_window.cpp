// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Test helper: waits for the top-level window whose title contains TITLE,
// checks that it is WIDTH x HEIGHT, and asks it to close the way a window
// manager does when the user clicks the close button (WM_DELETE_WINDOW).
// Exit status: 0 asked to close, 1 no such window in time, 2 wrong size.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

std::string windowTitle(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data)
                == Success
        && data) {
        title.assign(reinterpret_cast<char *>(data), count);
    }
    if (data)
        XFree(data);
    return title;
}

Window findWindow(Display *display, const char *title)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes)
                && attributes.map_state == IsViewable
                && windowTitle(display, children[i]).find(title) != std::string::npos)
                found = children[i];
        }
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: close_window TITLE WIDTH HEIGHT TIMEOUT_SECONDS\n");
        return 64;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    const auto deadline
            = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[4]));
    Window window = 0;
    while (!(window = findWindow(display, argv[1]))) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "close_window: no window titled '%s'\n", argv[1]);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    if (attributes.width != std::atoi(argv[2]) || attributes.height != std::atoi(argv[3])) {
        std::fprintf(stderr, "close_window: window is %dx%d\n", attributes.width,
                     attributes.height);
        return 2;
    }

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
