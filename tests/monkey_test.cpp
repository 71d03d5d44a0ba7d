#include <QRandomGenerator>
#include <QTest>

#include "test_support.h"
#include "window_support.h"

using namespace quillomar;

// A random user: thousands of clicks at random points of the window and random
// keys, after each of which the widgets must show the form object's state.
// QUILLOMAR_SEED replays another sequence; a failure names seed and step.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomClicksAndKeysNeverBreakTheWindow();
};

void MonkeyTest::randomClicksAndKeysNeverBreakTheWindow()
{
    const quint32 seed = qEnvironmentVariableIsSet("QUILLOMAR_SEED")
            ? quint32(qEnvironmentVariableIntValue("QUILLOMAR_SEED"))
            : 20261208u;
    const int steps = 3000;
    QRandomGenerator rng(seed);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    static const Qt::Key keys[] = { Qt::Key_Up,   Qt::Key_Down,     Qt::Key_Left,
                                    Qt::Key_Right, Qt::Key_Tab,     Qt::Key_Backtab,
                                    Qt::Key_Space, Qt::Key_Home,    Qt::Key_End,
                                    Qt::Key_PageUp, Qt::Key_PageDown };
    static const Qt::KeyboardModifiers modifiers[] = { Qt::NoModifier, Qt::NoModifier,
                                                       Qt::NoModifier, Qt::ControlModifier,
                                                       Qt::ShiftModifier };
    bool chosen = false;
    int clicks = 0, presses = 0;
    for (int step = 0; step < steps; ++step) {
        const Qt::KeyboardModifiers modifier = modifiers[rng.bounded(int(std::size(modifiers)))];
        QString action;
        if (rng.bounded(2) == 0) {
            const QPoint point(rng.bounded(window.width()), rng.bounded(window.height()));
            QWidget *target = window.childAt(point);
            if (!target)
                target = &window;
            const QPoint local = target->mapFrom(&window, point);
            if (rng.bounded(8) == 0)
                QTest::mouseDClick(target, Qt::LeftButton, modifier, local);
            else
                QTest::mouseClick(target, Qt::LeftButton, modifier, local);
            action = QStringLiteral("click at %1,%2").arg(point.x()).arg(point.y());
            ++clicks;
        } else {
            const Qt::Key key = keys[rng.bounded(int(std::size(keys)))];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &window, key, modifier);
            action = QStringLiteral("key %1").arg(QKeySequence(key).toString());
            ++presses;
        }
        const QString where = QStringLiteral("seed %1, step %2, %3: ").arg(seed).arg(step).arg(action);

        const QString differences = test::differencesFromForm(window);
        QVERIFY2(differences.isEmpty(), qPrintable(where + differences));

        // No author before the first choice, exactly one ever after, and the
        // report is that author's.
        const int author = test::selectedAuthor(window.form());
        chosen = chosen || author >= 0;
        QVERIFY2(author >= (chosen ? 0 : -1), qPrintable(where + QString::number(author)));
        if (author >= 0) {
            const std::u16string first = u"Избран автор: " + window.form().Option1(author).caption() + u"\r\n";
            QVERIFY2(window.form().Text1(0).text().starts_with(first), qPrintable(where + "report"));
        }
    }
    QVERIFY(chosen);
    qInfo("seed %u: %d clicks and %d key presses", seed, clicks, presses);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
