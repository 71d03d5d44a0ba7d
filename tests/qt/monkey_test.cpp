// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <memory>

#include <QRandomGenerator>
#include <QTest>

#include "tests/test_support.h"
#include "window_support.h"

using namespace quillomar;

// A random user: thousands of clicks at random points of the window and random
// keys, after each of which the widgets must show the form object's state and
// the keyboard must keep its rules. The steps come in short sessions, each in a
// new window, so that the states right after start-up come up again and again.
// QUILLOMAR_SEED replays another sequence; a failure names seed and step.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomClicksAndKeysNeverBreakTheWindow();
};

namespace {

// Index of the author button `widget` is, or -1.
int authorOf(const QWidget *widget)
{
    return widget && widget->objectName().startsWith(QLatin1String("Option1("))
            ? widget->objectName().mid(8, 1).toInt()
            : -1;
}

} // namespace

void MonkeyTest::randomClicksAndKeysNeverBreakTheWindow()
{
    const quint32 seed = test::randomSeed();
    const int sessions = 75, steps = 40;
    QRandomGenerator rng(seed);

    static const Qt::Key keys[] = { Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Left,    Qt::Key_Right,
                                    Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space,   Qt::Key_Home,
                                    Qt::Key_End, Qt::Key_PageUp,  Qt::Key_PageDown };
    static const Qt::KeyboardModifiers modifiers[]
            = { Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier,
                Qt::ShiftModifier };
    int clicks = 0, presses = 0, sessionsWithChoice = 0;
    for (int session = 0; session < sessions; ++session) {
        auto window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const Form &form = window->form();
        auto *list = window->findChild<QListWidget *>(QStringLiteral("List1(0)"));
        QSet<int> chosenTales;
        bool chosen = false;

        for (int step = 0; step < steps; ++step) {
            const Qt::KeyboardModifiers modifier
                    = modifiers[rng.bounded(int(std::size(modifiers)))];
            QString action;
            // With no tale selected, Down in the list chooses the first title
            // while no title has the cursor, or the cursor's title if no one
            // chose it: only focus put the cursor there. Nothing is skipped.
            int unchosenCursor = -1;
            // An arrow key on an author button chooses the next or previous author.
            int expectedAuthor = -1;
            if (rng.bounded(2) == 0) {
                const QPoint point(rng.bounded(window->width()), rng.bounded(window->height()));
                QWidget *target = window->childAt(point);
                if (!target)
                    target = window.get();
                const QPoint local = target->mapFrom(window.get(), point);
                if (rng.bounded(8) == 0)
                    QTest::mouseDClick(target, Qt::LeftButton, modifier, local);
                else
                    QTest::mouseClick(target, Qt::LeftButton, modifier, local);
                action = QStringLiteral("click at %1,%2").arg(point.x()).arg(point.y());
                ++clicks;
            } else {
                const Qt::Key key = keys[rng.bounded(int(std::size(keys)))];
                QWidget *focus = QApplication::focusWidget();
                const int cursor = list->currentRow();
                if (focus == list && key == Qt::Key_Down && list->selectedItems().isEmpty()
                    && !chosenTales.contains(cursor))
                    unchosenCursor = std::max(cursor, 0);
                const int author = authorOf(focus);
                if (author >= 0 && key >= Qt::Key_Left && key <= Qt::Key_Down)
                    expectedAuthor
                            = (author + (key == Qt::Key_Left || key == Qt::Key_Up ? 8 : 1)) % 9;
                QTest::keyClick(focus ? focus : window.get(), key, modifier);
                action = QStringLiteral("key %1").arg(QKeySequence(key).toString());
                ++presses;
            }
            const QString where = QStringLiteral("seed %1, session %2, step %3, %4: ")
                                          .arg(seed)
                                          .arg(session)
                                          .arg(step)
                                          .arg(action);

            const QString differences = test::differencesFromForm(*window);
            QVERIFY2(differences.isEmpty(), qPrintable(where + differences));
            const QString tabStop = test::tabStopMisplaced(*window);
            QVERIFY2(tabStop.isEmpty(), qPrintable(where + tabStop));

            // No author before the first choice, exactly one ever after, and the
            // report is that author's.
            const int author = test::selectedAuthor(form);
            chosen = chosen || author >= 0;
            QVERIFY2(author >= (chosen ? 0 : -1), qPrintable(where + QString::number(author)));
            QVERIFY2(expectedAuthor < 0 || author == expectedAuthor,
                     qPrintable(where
                                + QStringLiteral("author %1, expected %2")
                                          .arg(author)
                                          .arg(expectedAuthor)));
            if (author >= 0) {
                const std::u16string first
                        = u"Избран автор: " + form.Option1(author).caption() + u"\r\n";
                QVERIFY2(form.Text1(0).text().starts_with(first), qPrintable(where + "report"));
            }
            const int tale = form.List1(0).listIndex();
            QVERIFY2(unchosenCursor < 0 || tale == unchosenCursor,
                     qPrintable(where
                                + QStringLiteral("tale %1, expected %2")
                                          .arg(tale)
                                          .arg(unchosenCursor)));
            if (tale >= 0)
                chosenTales.insert(tale);
        }
        sessionsWithChoice += chosen;
    }
    QVERIFY(sessionsWithChoice > sessions / 2);
    qInfo("seed %u: %d clicks and %d key presses", seed, clicks, presses);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
