// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "fonts.h"
#include "main_window.h"
#include "translation.h"

namespace quillomar {

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// While the application connects to the display, Qt's fatal error (no display,
// or one that refuses the connection) would abort with a core dump. Say it in
// one line instead and leave with a defined status.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type != QtFatalMsg) {
        // The platform's complaints about the display are summed up below.
        if (!context.category || qstrncmp(context.category, "qt.qpa.", 7) != 0)
            qtMessageHandler(type, context, message);
        return;
    }
    const char *display = std::getenv("DISPLAY");
    std::fprintf(stderr, "quillomar: no display available%s%s%s\n",
                 display ? " (cannot connect to DISPLAY=" : " (DISPLAY is not set)",
                 display ? display : "", display ? ")" : "");
    std::_Exit(NoDisplayExitCode);
}

} // namespace

int run(int &argc, char **argv, const std::function<void(QWidget &)> &shown)
{
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
