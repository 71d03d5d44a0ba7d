// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <langinfo.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>

#include "fonts.h"
#include "main_window.h"
#include "translation.h"

namespace quillomar {

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// Whether Qt's Wayland platform plugin (package qt6-wayland) is installed.
bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath)
                         + QStringLiteral("/platforms"));
    return !platforms.entryList({ QStringLiteral("libqwayland*") }, QDir::Files).isEmpty();
}

// While the application connects to the display, Qt's fatal error (no display,
// or one that refuses the connection) would abort with a core dump. Say it in
// one line instead and leave with a defined status.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type != QtFatalMsg) {
        // The platform's complaints about the display are summed up below;
        // the Wayland one's come without a category. Qt 6.4 also says it
        // takes X11 on GNOME's Wayland, which is no fault.
        const bool platform = (context.category && qstrncmp(context.category, "qt.qpa.", 7) == 0)
                || message.startsWith(QLatin1String("Failed to create wl_display"))
                || message.startsWith(QLatin1String("Warning: Ignoring XDG_SESSION_TYPE=wayland"));
        if (!platform)
            qtMessageHandler(type, context, message);
        return;
    }
    // Name what failed: the X display, and the Wayland one where there is one.
    QByteArray why;
    if (const char *wayland = std::getenv("WAYLAND_DISPLAY"); wayland && *wayland) {
        why = waylandPluginInstalled()
                ? QByteArray("cannot connect to WAYLAND_DISPLAY=") + wayland
                : QByteArray("WAYLAND_DISPLAY is set, but Qt's Wayland platform plugin is missing: "
                             "install qt6-wayland");
        why += "; ";
    }
    const char *display = std::getenv("DISPLAY");
    why += display ? QByteArray("cannot connect to DISPLAY=") + display
                   : QByteArray("DISPLAY is not set");
    std::fprintf(stderr, "quillomar: no display available (%s)\n", why.constData());
    std::_Exit(NoDisplayExitCode);
}

// Qt needs a UTF-8 character set: in any other (the C locale's ASCII) it
// switches to C.UTF-8 itself, with a four-line warning. Switch first, quietly;
// Qt reads the locale from the environment again when it starts.
void useUtf8CharacterSet()
{
    std::setlocale(LC_ALL, "");
    const char *codeset = nl_langinfo(CODESET);
    if (qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0)
        return;
    const char *all = std::getenv("LC_ALL");
    setenv(all && *all ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
}

} // namespace

int run(int &argc, char **argv, const std::function<void(QWidget &)> &shown)
{
    useUtf8CharacterSet();
    qtMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    installBulgarianQtTranslation(app);
    // Widgets that lay out text before they get the window's font (the output
    // box does) would otherwise load a second face.
    QApplication::setFont(controlFont());

    MainWindow window;
    window.show();
    if (shown)
        shown(window);
    return app.exec();
}

} // namespace quillomar
