#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "main_window.h"
#include "translation.h"

namespace {

// Exit status when no window can be opened.
constexpr int NoDisplayExitCode = 1;

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

int main(int argc, char *argv[])
{
    qtMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    quillomar::installBulgarianQtTranslation(app);

    quillomar::MainWindow window;
    window.show();
    return app.exec();
}
