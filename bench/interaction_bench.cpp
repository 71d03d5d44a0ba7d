// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from a simulated click or key press to the repainted window, for every
// author, every tale and arrow-key moves through the whole tale list. Prints
// Markdown table rows: median and maximum per kind of action.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "ui/qt/main_window.h"

namespace {

// Counts the paints of the output box, where every action writes its report.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

PaintCounter *painted = nullptr;

// Milliseconds from the input to the end of the repaint it caused.
template<typename Input>
double timeToRepaint(Input input)
{
    QCoreApplication::processEvents(); // nothing pending before we start
    const int before = painted->paints;
    const auto start = std::chrono::steady_clock::now();
    input();
    const auto elapsed = [start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    };
    // The whole frame is painted in one go: once processEvents returns after
    // the output box's paint, the window is done.
    while (painted->paints == before) {
        QCoreApplication::processEvents();
        if (elapsed() > 1000) {
            std::fprintf(stderr, "interaction_bench: no repaint within a second\n");
            std::exit(1);
        }
    }
    return elapsed();
}

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("| %s | %zu | %.3f ms | %.3f ms |\n", what, times.size(), times[times.size() / 2],
                times.back());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quillomar::MainWindow window;
    PaintCounter counter;
    painted = &counter;
    window.findChild<QPlainTextEdit *>(QStringLiteral("Text1(0)"))
            ->viewport()
            ->installEventFilter(&counter);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List1(0)"));

    std::vector<double> authors, tales, arrows;
    for (int round = 0; round < 20; ++round) {
        for (int a = 0; a < 9; ++a) {
            auto *button = window.findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(a));
            authors.push_back(timeToRepaint([&] { QTest::mouseClick(button, Qt::LeftButton); }));
        }
    }
    for (int round = 0; round < 4; ++round) {
        for (int p = 0; p < list->count(); ++p) {
            list->scrollToItem(list->item(p));
            const QPoint centre = list->visualItemRect(list->item(p)).center();
            tales.push_back(timeToRepaint(
                    [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre); }));
        }
    }
    list->setFocus();
    list->scrollToItem(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    for (int round = 0; round < 4; ++round) {
        for (const Qt::Key key : { Qt::Key_Down, Qt::Key_Up }) {
            for (int p = 1; p < list->count(); ++p)
                arrows.push_back(timeToRepaint([&] { QTest::keyClick(list, key); }));
        }
    }
    report("author click", authors);
    report("tale click", tales);
    report("arrow key in tale list", arrows);
    return 0;
}
