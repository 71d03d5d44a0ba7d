// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <memory>

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "tests/test_support.h"
#include "window_support.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translation.h"

using namespace quillomar;
using quillomar::test::selectedAuthor;

// Drives the real window with QTest's mouse and keys, and checks that the
// widgets show what the form object holds.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // First, before any message box has loaded its icon.
    void paintingLoadsNoImagePlugin();

    void layoutFollowsTheTwipTables();
    void coloursFillTheBackgrounds();
    void everyTextStandsOutInLightAndDarkThemes_data();
    void everyTextStandsOutInLightAndDarkThemes();
    void focusMarksStayInsideTheirRowAndButton();
    void fontIsTimesNewRomanOrItsStandIn();
    void controlsShowCyrillicAt12Points();
    void onlyTheVisibleElementsAreShown();
    void windowIsFixedWithCaptionAndIcon();
    void startsWithIntroductionFocusedAndNothingSelected();
    void tabFollowsTheTabIndices();

    void clickingAnAuthorShowsItsReport();
    void clickingATaleSelectsItsAuthor();
    void focusAloneChoosesNoTale();
    void clearingTheTaleSelectionKeepsTheScrollPosition();
    void everyReportIsShownFromItsFirstLine();
    void arrowKeysMoveThroughTalesOneAtATime();
    void arrowKeysMoveThroughAuthors();
    void firstKeyInTheTaleListChoosesTheFirstTitle();
    void eachLetterChoosesTheNextTitleBeginningWithIt();
    void authorTabStopFollowsEveryChoice();
    void repeatedChoicesCountAgain();
    void theUserCannotClearTheTaleSelection();
    void outputIsReadOnlyButCopyable();
    void longTitlesAreClippedWithTooltips();
    void runTimeErrorIsShownAndEndsTheProgram();

    void everyControlHasAnAccessibleName();
    void screenReaderHearsWhereItIsAndWhatWasChosen();
    void keyboardAloneReachesEveryFunction();
    void qtStringsAreBulgarian();
    void scalesWholeWithTheScreen();

private:
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        auto *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QPlainTextEdit *output() const { return control<QPlainTextEdit>(QStringLiteral("Text1(0)")); }
    QListWidget *tales() const { return control<QListWidget>(QStringLiteral("List1(0)")); }
    QRadioButton *author(int a) const
    {
        return control<QRadioButton>(QStringLiteral("Option1(%1)").arg(a));
    }
    QList<QWidget *> visibleControls() const;
    void clickTale(int p);
    // Names of the controls that take the focus on each of `presses` Tabs.
    QStringList tabOrder(int presses) const;
    // The widgets show exactly the form object's state.
    void verifyWidgetsShowForm() const;

    MainWindow *m_window = nullptr;
};

namespace {

QRect twips(int left, int top, int width, int height)
{
    return { left / 15, top / 15, width / 15, height / 15 };
}

} // namespace

void MainWindowTest::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void MainWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void MainWindowTest::clickTale(int p)
{
    QListWidgetItem *item = tales()->item(p);
    tales()->scrollToItem(item);
    QTest::mouseClick(tales()->viewport(), Qt::LeftButton, {},
                      tales()->visualItemRect(item).center());
}

void MainWindowTest::verifyWidgetsShowForm() const
{
    const QString differences = test::differencesFromForm(*m_window);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
}

void MainWindowTest::layoutFollowsTheTwipTables()
{
    QCOMPARE(m_window->size(), QSize(570, 392));
    QCOMPARE(output()->geometry(), twips(120, 3960, 8295, 2055));
    QCOMPARE(control(QStringLiteral("Label1(0)"))->geometry(), twips(960, 0, 6495, 375));
    QCOMPARE(control(QStringLiteral("Frame1"))->geometry(), twips(120, 600, 3375, 3255));
    QCOMPARE(tales()->geometry(), twips(3720, 900, 4695, 1485));
    QCOMPARE(control(QStringLiteral("Label1(1)"))->geometry(), twips(3720, 600, 4695, 300));
    for (int a = 0; a < 9; ++a) {
        QCOMPARE(author(a)->parentWidget(), control(QStringLiteral("Frame1")));
        QCOMPARE(author(a)->geometry(), twips(120, 300 + 300 * a, 3135, 300));
    }
    // The output box runs 135 twips past the client area and is clipped there.
    QCOMPARE(output()->geometry().bottom() + 1 - m_window->height(), 135 / 15);
}

void MainWindowTest::paintingLoadsNoImagePlugin()
{
    // The first image a program reads from a file makes Qt open every image
    // format plugin, which is a good share of the start-up time.
    m_window->grab();
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("/imageformats/"));
}

void MainWindowTest::coloursFillTheBackgrounds()
{
    const QImage window = m_window->grab().toImage();
    const qreal ratio = window.devicePixelRatio(); // 2 under QT_SCALE_FACTOR=2
    // A point of each control that no text, border or indicator covers.
    const struct
    {
        QWidget *widget;
        QPoint point;
        QColor colour;
    } samples[] = {
        { m_window, { 2, 2 }, { 192, 192, 255 } },
        { control(QStringLiteral("Label1(0)")), { 2, 2 }, { 255, 192, 128 } },
        { control(QStringLiteral("Label1(1)")), { 2, 2 }, { 255, 192, 128 } },
        // Right up to its edge: the frame draws no border of its own.
        { control(QStringLiteral("Frame1")), { 1, 209 }, { 128, 64, 0 } },
        { tales()->viewport(), { tales()->viewport()->width() - 3, 2 }, { 128, 255, 128 } },
        { author(0), { 206, 2 }, { 192, 255, 192 } },
        { author(1), { 206, 2 }, { 192, 255, 255 } },
        { author(2), { 206, 2 }, { 128, 255, 128 } },
        { author(3), { 206, 2 }, { 128, 255, 255 } },
        { author(4), { 206, 2 }, { 0, 255, 0 } },
        { author(5), { 206, 2 }, { 0, 255, 255 } },
        { author(6), { 206, 2 }, { 0, 192, 0 } },
        { author(7), { 206, 2 }, { 0, 192, 192 } },
        { author(8), { 206, 2 }, { 0, 128, 0 } },
    };
    for (const auto &s : samples) {
        const QColor seen = window.pixelColor(s.widget->mapTo(m_window, s.point) * ratio);
        QVERIFY2(seen == s.colour,
                 qPrintable(s.widget->objectName() + ": " + seen.name() + " for "
                            + s.colour.name()));
    }
}

void MainWindowTest::everyTextStandsOutInLightAndDarkThemes_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true; // Breeze Dark's colours
}

void MainWindowTest::everyTextStandsOutInLightAndDarkThemes()
{
    QFETCH(bool, dark);
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    if (dark) {
        QPalette palette(QColor(49, 54, 59), QColor(35, 38, 41));
        for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text,
                                          QPalette::ButtonText, QPalette::HighlightedText })
            palette.setColor(role, QColor(252, 252, 252));
        palette.setColor(QPalette::Base, QColor(27, 30, 32));
        palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
        QApplication::setPalette(palette);
    }
    cleanup();
    init();

    const auto pixels = [](QWidget *widget, const QRect &rect) {
        const QImage image = widget->grab(rect).toImage();
        std::vector<layout::Rgb> rgb;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                rgb.push_back(
                        { std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()) });
            }
        }
        return rgb;
    };
    const auto expectStandsOut = [&](const QString &what, QWidget *widget, QRect rect = {}) {
        const double ratio
                = test::drawnContrast(pixels(widget, rect.isNull() ? widget->rect() : rect));
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1: %2:1").arg(what).arg(ratio, 0, 'f', 2)));
    };
    const auto titleRect = [this](int p) { return tales()->visualItemRect(tales()->item(p)); };
    const auto authorRect = [this](int a, QStyle::SubElement element) {
        QStyleOptionButton option;
        option.initFrom(author(a));
        option.text = author(a)->text();
        return author(a)->style()->subElementRect(element, &option, author(a));
    };

    expectStandsOut(QStringLiteral("title"), control(QStringLiteral("Label1(0)")));
    expectStandsOut(QStringLiteral("tale heading"), control(QStringLiteral("Label1(1)")));
    expectStandsOut(QStringLiteral("frame caption"), control(QStringLiteral("Frame1")),
                    { 0, 0, 200, 18 });
    for (int a = 0; a < 9; ++a)
        expectStandsOut(QStringLiteral("author %1").arg(a), author(a),
                        authorRect(a, QStyle::SE_RadioButtonContents));
    expectStandsOut(QStringLiteral("a title"), tales()->viewport(), titleRect(0));
    expectStandsOut(QStringLiteral("the report"), output()->viewport());

    // Focus marks, shown once Tab has moved the focus: on the group's stop, on
    // the title the first Down chooses; each mark's top line.
    QTest::keyClick(output(), Qt::Key_Tab);
    const auto expectMarkStandsOut = [&](int a) {
        QVERIFY(author(a)->hasFocus());
        const QRect mark = authorRect(a, QStyle::SE_RadioButtonFocusRect);
        expectStandsOut(QStringLiteral("author %1's focus mark").arg(a), author(a),
                        mark.adjusted(0, 0, 0, 1 - mark.height()));
    };
    expectMarkStandsOut(0);
    QTest::keyClick(author(0), Qt::Key_Up); // round to the last author
    expectMarkStandsOut(8);
    QTest::keyClick(author(8), Qt::Key_Tab);
    QTest::keyClick(output(), Qt::Key_Tab);
    QTest::keyClick(tales(), Qt::Key_Down);
    expectStandsOut(QStringLiteral("the chosen title"), tales()->viewport(), titleRect(0));
    expectStandsOut(QStringLiteral("the chosen title's focus mark"), tales()->viewport(),
                    titleRect(0).adjusted(0, 0, 0, 1 - titleRect(0).height()));
}

void MainWindowTest::focusMarksStayInsideTheirRowAndButton()
{
    // Under QT_SCALE_FACTOR=2 too: no dot of a mark on the device pixels
    // just above what it marks.
    const auto rowAbove = [](QWidget *widget, const QRect &rect) {
        const QImage image = widget->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const int y = int(rect.top() * ratio) - 1;
        QList<QColor> row;
        for (int x = int(rect.left() * ratio); x < int((rect.right() + 1) * ratio); ++x)
            row << image.pixelColor(x, y);
        return row;
    };
    QTest::keyClick(output(), Qt::Key_Tab);
    QStyleOptionButton option;
    option.initFrom(author(0));
    option.text = author(0)->text();
    const QRect mark = author(0)->style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option,
                                                          author(0));
    QVERIFY(!rowAbove(author(0), mark).contains(QColor(Qt::black)));
    QTest::keyClick(author(0), Qt::Key_Tab);
    QTest::keyClick(tales(), Qt::Key_Down);
    QTest::keyClick(tales(), Qt::Key_Down);
    const QRect title = tales()->visualItemRect(tales()->item(1));
    QVERIFY(!rowAbove(tales()->viewport(), title).contains(QColor(Qt::white)));
}

QList<QWidget *> MainWindowTest::visibleControls() const
{
    return { output(),
             tales(),
             control(QStringLiteral("Label1(0)")),
             control(QStringLiteral("Label1(1)")),
             control(QStringLiteral("Frame1")),
             author(0),
             author(8) };
}

void MainWindowTest::fontIsTimesNewRomanOrItsStandIn()
{
    for (QWidget *widget : visibleControls()) {
        const QString family = QFontInfo(widget->font()).family();
        QVERIFY2(family == QLatin1String("Times New Roman")
                         || family == QLatin1String("Liberation Serif"),
                 qPrintable(family));
    }
}

void MainWindowTest::controlsShowCyrillicAt12Points()
{
    // Also run where no serif face is installed at all.
    for (QWidget *widget : visibleControls()) {
        const QFontInfo info(widget->font());
        QCOMPARE(info.pointSize(), 12);
        QCOMPARE(info.weight(), int(QFont::Normal));
        QVERIFY(!info.italic());
        QVERIFY(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Cyrillic));
        const QFontMetrics metrics(widget->font());
        for (char16_t c : std::u16string_view(u"ЖщъьюяЁ"))
            QVERIFY(metrics.inFont(QChar(c)));
    }
}

void MainWindowTest::onlyTheVisibleElementsAreShown()
{
    static const QRegularExpression element(QStringLiteral("^(List1|Option1|Text1|Label1|Frame1)"));
    QStringList visible;
    for (QWidget *widget : m_window->findChildren<QWidget *>(element)) {
        if (widget->isVisible())
            visible << widget->objectName();
    }
    visible.sort();
    QCOMPARE(visible,
             QStringList({ "Frame1", "Label1(0)", "Label1(1)", "List1(0)", "Option1(0)",
                           "Option1(1)", "Option1(2)", "Option1(3)", "Option1(4)", "Option1(5)",
                           "Option1(6)", "Option1(7)", "Option1(8)", "Text1(0)" }));
    QCOMPARE(m_window->findChildren<QWidget *>(element).size(), visible.size());
}

void MainWindowTest::windowIsFixedWithCaptionAndIcon()
{
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(QRegularExpression(QStringLiteral("^[a-z0-9.-]+\\.example   Quillomar$"))
                    .match(m_window->windowTitle())
                    .hasMatch());

    const QImage icon = m_window->windowIcon().pixmap(32, 32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            colours.insert(icon.pixel(x, y));
    }
    QVERIFY(colours.size() > 4 && colours.size() <= 256);

    // The icon installed for the desktop is the same picture.
    const QImage installed(QStringLiteral(QUILLOMAR_SOURCE_DIR "/dist/quillomar.png"));
    const QImage a = installed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(a.size(), b.size());
    int differing = 0; // pixel by pixel: the PNG also carries a colour space
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    QCOMPARE(differing, 0);
}

void MainWindowTest::startsWithIntroductionFocusedAndNothingSelected()
{
    QCOMPARE(QApplication::focusWidget(), output());
    QVERIFY(output()->toPlainText().startsWith(
            QStringLiteral("Да се реализира проект, представящ междупредметни връзки")));
    QCOMPARE(output()->toPlainText().count(QLatin1Char('\n')), 6);
    QCOMPARE(tales()->count(), 48);
    QCOMPARE(tales()->verticalScrollBar()->value(), 0);
    verifyWidgetsShowForm();
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    for (int a = 0; a < 9; ++a)
        QVERIFY(!author(a)->isChecked());
}

QStringList MainWindowTest::tabOrder(int presses) const
{
    QStringList order;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    return order;
}

void MainWindowTest::tabFollowsTheTabIndices()
{
    // The author group is one tab stop: its selected button, or the first
    // while none is selected; arrow keys move within it.
    QCOMPARE(tabOrder(3), QStringList({ "Option1(0)", "List1(0)", "Text1(0)" }));
    for (const char *name : { "Label1(0)", "Label1(1)", "Frame1" })
        QCOMPARE(control(QLatin1String(name))->focusPolicy(), Qt::NoFocus);
    verifyWidgetsShowForm(); // passing through chose nothing
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);

    QTest::mouseClick(author(7), Qt::LeftButton);
    output()->setFocus();
    QCOMPARE(tabOrder(3), QStringList({ "List1(0)", "Option1(7)", "Text1(0)" }));
    QTest::mouseClick(author(1), Qt::LeftButton);
    output()->setFocus();
    QCOMPARE(tabOrder(3), QStringList({ "Option1(1)", "List1(0)", "Text1(0)" }));
    QCOMPARE(QApplication::focusWidget(), output());
    QTest::keyClick(output(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), tales());
    verifyWidgetsShowForm();
}

void MainWindowTest::clickingAnAuthorShowsItsReport()
{
    QTest::mouseClick(author(3), Qt::LeftButton);
    QVERIFY(author(3)->isChecked());
    QVERIFY(output()->toPlainText().startsWith(QStringLiteral("Избран автор: Братя Грим \n")));
    verifyWidgetsShowForm();
    QTest::mouseClick(author(6), Qt::LeftButton);
    QVERIFY(!author(3)->isChecked());
    QVERIFY(output()->toPlainText().endsWith(QStringLiteral("\nПриключенията на Пинокио\n")));
    verifyWidgetsShowForm();
}

void MainWindowTest::clickingATaleSelectsItsAuthor()
{
    clickTale(33);
    QVERIFY(author(6)->isChecked());
    QCOMPARE(tales()->currentRow(), 33);
    QCOMPARE(m_window->form().List1(0).listIndex(), 33);
    verifyWidgetsShowForm();
    clickTale(1);
    QVERIFY(author(3)->isChecked());
    verifyWidgetsShowForm();
}

void MainWindowTest::focusAloneChoosesNoTale()
{
    tales()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(tales()->hasFocus());
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    QVERIFY(output()->toPlainText().startsWith(QStringLiteral("Да се реализира")));
    verifyWidgetsShowForm();
}

void MainWindowTest::clearingTheTaleSelectionKeepsTheScrollPosition()
{
    clickTale(40);
    const int scrolled = tales()->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    QTest::mouseClick(author(2), Qt::LeftButton);
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    QCOMPARE(tales()->verticalScrollBar()->value(), scrolled);
    verifyWidgetsShowForm();
}

void MainWindowTest::everyReportIsShownFromItsFirstLine()
{
    QTest::mouseClick(author(3), Qt::LeftButton);
    QScrollBar *bar = output()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0); // twelve titles do not fit
    bar->setValue(bar->maximum());
    QTest::mouseClick(author(3), Qt::LeftButton);
    QCOMPARE(bar->value(), 0);
    bar->setValue(bar->maximum());
    clickTale(1);
    QCOMPARE(bar->value(), 0);
}

void MainWindowTest::arrowKeysMoveThroughTalesOneAtATime()
{
    clickTale(0);
    for (int p = 1; p < 48; ++p) {
        QTest::keyClick(tales(), Qt::Key_Down);
        QCOMPARE(m_window->form().List1(0).listIndex(), p);
        QVERIFY(tales()->hasFocus());
        verifyWidgetsShowForm();
    }
    QTest::keyClick(tales(), Qt::Key_Up);
    QCOMPARE(m_window->form().List1(0).listIndex(), 46);
    QTest::keyClick(tales(), Qt::Key_Home);
    QCOMPARE(m_window->form().List1(0).listIndex(), 0);
    // A page is the titles the list shows whole, less one.
    int shown = 0;
    for (int p = 0; p < tales()->count(); ++p)
        shown += tales()->viewport()->rect().contains(tales()->visualItemRect(tales()->item(p)));
    QVERIFY(shown > 2);
    QTest::keyClick(tales(), Qt::Key_PageDown);
    QCOMPARE(m_window->form().List1(0).listIndex(), shown - 1);
    QTest::keyClick(tales(), Qt::Key_PageDown);
    QCOMPARE(m_window->form().List1(0).listIndex(), 2 * (shown - 1));
    QTest::keyClick(tales(), Qt::Key_PageUp);
    QCOMPARE(m_window->form().List1(0).listIndex(), shown - 1);
    QTest::keyClick(tales(), Qt::Key_End);
    QCOMPARE(m_window->form().List1(0).listIndex(), 47);
    verifyWidgetsShowForm();
}

void MainWindowTest::arrowKeysMoveThroughAuthors()
{
    author(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(author(0), Qt::Key_Space);
    QCOMPARE(selectedAuthor(m_window->form()), 0);
    for (int a = 1; a < 9; ++a) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), author(a));
        QCOMPARE(selectedAuthor(m_window->form()), a);
        verifyWidgetsShowForm();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(selectedAuthor(m_window->form()), 7);
    verifyWidgetsShowForm();
}

void MainWindowTest::firstKeyInTheTaleListChoosesTheFirstTitle()
{
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tales());
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    key(Qt::Key_Down);
    QCOMPARE(m_window->form().List1(0).listIndex(), 0);
    key(Qt::Key_Down);
    QCOMPARE(m_window->form().List1(0).listIndex(), 1);
    // An author choice clears the selection; the keys carry on from the last tale.
    QTest::mouseClick(author(2), Qt::LeftButton);
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tales());
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    key(Qt::Key_Down);
    QCOMPARE(m_window->form().List1(0).listIndex(), 2);
    verifyWidgetsShowForm();

    // Space as the first key chooses the first title too.
    MainWindow fresh;
    fresh.show();
    QVERIFY(QTest::qWaitForWindowActive(&fresh));
    auto *list = fresh.findChild<QListWidget *>(QStringLiteral("List1(0)"));
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(fresh.form().List1(0).listIndex(), 0);
}

void MainWindowTest::eachLetterChoosesTheNextTitleBeginningWithIt()
{
    tales()->setFocus(Qt::TabFocusReason);
    // Typed quickly, as Qt's own search would take "бх" for one word.
    const struct
    {
        const char16_t *letter;
        int tale;
    } typed[] = { { u"б", 0 }, { u"х", 42 }, { u"Х", 43 }, { u"х", 44 }, { u"q", 44 } };
    for (const auto &t : typed) {
        const QString letter = QString::fromUtf16(t.letter); // keyClicks takes Latin-1 only
        QTest::sendKeyEvent(QTest::Click, tales(), Qt::Key(letter.toUpper().at(0).unicode()),
                            letter, Qt::NoModifier);
        QCOMPARE(m_window->form().List1(0).listIndex(), t.tale);
    }
    verifyWidgetsShowForm();
}

void MainWindowTest::authorTabStopFollowsEveryChoice()
{
    // A tale chosen with the mouse makes its author's button the group's stop.
    clickTale(33); // author 6
    QCOMPARE(tabOrder(3), QStringList({ "Option1(6)", "Text1(0)", "List1(0)" }));
    QTest::keyClick(tales(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), output());
    QTest::keyClick(output(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), author(6));
    // There the arrow keys choose, and the stop goes with the choice.
    QTest::keyClick(author(6), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), author(7));
    QCOMPARE(selectedAuthor(m_window->form()), 7);
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    QTest::keyClick(author(7), Qt::Key_Left);
    QTest::keyClick(author(6), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), author(5));
    QCOMPARE(selectedAuthor(m_window->form()), 5);
    QCOMPARE(tabOrder(2), QStringList({ "Text1(0)", "List1(0)" }));
    // Whatever put the focus on another button, an arrow key still chooses.
    author(0)->setFocus();
    QTest::keyClick(author(0), Qt::Key_Up); // round to the last
    QCOMPARE(selectedAuthor(m_window->form()), 8);
    QCOMPARE(QApplication::focusWidget(), author(8));
    for (int a = 0; a < 9; ++a)
        QCOMPARE(bool(author(a)->focusPolicy() & Qt::TabFocus), a == 8);
    verifyWidgetsShowForm();
}

void MainWindowTest::repeatedChoicesCountAgain()
{
    clickTale(19);
    QVERIFY(author(1)->isChecked());
    // The selected author again: the tale selection goes, as after any author choice.
    QTest::mouseClick(author(1), Qt::LeftButton);
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    verifyWidgetsShowForm();
    // The selected tale again rewrites the report and shows it from the top.
    clickTale(4);
    output()->verticalScrollBar()->setValue(output()->verticalScrollBar()->maximum());
    clickTale(4);
    QCOMPARE(output()->verticalScrollBar()->value(), 0);
    QCOMPARE(m_window->form().List1(0).listIndex(), 4);
    verifyWidgetsShowForm();
}

void MainWindowTest::theUserCannotClearTheTaleSelection()
{
    clickTale(5);
    const QPoint centre = tales()->visualItemRect(tales()->item(5)).center();
    QTest::mouseClick(tales()->viewport(), Qt::LeftButton, Qt::ControlModifier, centre);
    QTest::keyClick(tales(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(m_window->form().List1(0).listIndex(), 5);
    verifyWidgetsShowForm();
}

void MainWindowTest::outputIsReadOnlyButCopyable()
{
    QTest::mouseClick(author(5), Qt::LeftButton);
    const QString report = output()->toPlainText();
    output()->setFocus();
    QTest::keyClicks(output(), QStringLiteral("xyz"));
    QTest::keyClick(output(), Qt::Key_Delete);
    QTest::keyClick(output(), Qt::Key_Backspace);
    QTest::keyClick(output(), Qt::Key_Return);
    QTest::keyClick(output(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(output()->toPlainText(), report);
    QTest::keyClick(output(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(output(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), report);
    verifyWidgetsShowForm();
}

void MainWindowTest::longTitlesAreClippedWithTooltips()
{
    QCOMPARE(tales()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(output()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(tales()->textElideMode(), Qt::ElideNone);
    for (int p = 0; p < tales()->count(); ++p)
        QCOMPARE(tales()->item(p)->toolTip(), tales()->item(p)->text());
    // The longest title is wider than the list.
    const QFontMetrics metrics(tales()->font());
    QVERIFY(metrics.horizontalAdvance(tales()->item(28)->text()) > tales()->viewport()->width());
}

void MainWindowTest::runTimeErrorIsShownAndEndsTheProgram()
{
    MainWindow window(test::brokenCatalogue());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List1(0)"));

    QString message;
    QTimer::singleShot(0, list, [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
    });
    // The message box runs its own loop; read it and close it as the user would.
    QTimer::singleShot(100, list, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    QTimer::singleShot(5000, list, [] { QCoreApplication::exit(-1); }); // never hang
    const int status = QCoreApplication::exec();
    QCOMPARE(status, RunTimeErrorExitCode);
    QVERIFY2(message.contains(QLatin1String("340"))
                     && message.contains(QLatin1String("Option1(9)")),
             qPrintable(message));
}

void MainWindowTest::everyControlHasAnAccessibleName()
{
    const auto name = [](QWidget *widget) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    const auto role
            = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget)->role(); };
    QVERIFY(!name(output()).isEmpty());
    QCOMPARE(role(output()), QAccessible::EditableText);
    QCOMPARE(name(tales()), QStringLiteral("Приказка"));
    QCOMPARE(role(tales()), QAccessible::List);
    QCOMPARE(name(control(QStringLiteral("Frame1"))), QStringLiteral("Име на автор"));
    QCOMPARE(role(control(QStringLiteral("Frame1"))), QAccessible::Grouping);
    QCOMPARE(name(control(QStringLiteral("Label1(0)"))), QStringLiteral("Quillomar"));
    for (int a = 0; a < 9; ++a) {
        QCOMPARE(name(author(a)), QString::fromStdU16String(m_window->form().Option1(a).caption()));
        QCOMPARE(role(author(a)), QAccessible::RadioButton);
    }
    // A screen reader also learns which author and tale are chosen.
    QTest::keyClick(output(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(QAccessible::queryAccessibleInterface(author(0))->state().checked);
}

namespace {

// What a screen reader is told: the accessibility events, as they are sent.
struct HeardEvent
{
    QAccessible::Event type;
    QObject *object;
    int child;
};
std::vector<HeardEvent> heard;

} // namespace

void MainWindowTest::screenReaderHearsWhereItIsAndWhatWasChosen()
{
    const auto interface = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget);
    };
    QCOMPARE(interface(m_window)->role(), QAccessible::Window);
    // The frame names the group once, not each of its buttons again.
    QCOMPARE(interface(control(QStringLiteral("Frame1")))->text(QAccessible::Name),
             QStringLiteral("Име на автор"));
    for (int a = 0; a < 9; ++a)
        QVERIFY(interface(author(a))->relations(QAccessible::Label).isEmpty());

    heard.clear();
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        heard.push_back({ event->type(), event->object(), event->child() });
    });
    // As if a screen reader were listening: Qt sends some events only then.
    QPlatformAccessibility *platform
            = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    const auto lastFocus = [] {
        auto it = std::find_if(heard.rbegin(), heard.rend(),
                               [](const HeardEvent &e) { return e.type == QAccessible::Focus; });
        return it == heard.rend() ? HeardEvent { QAccessible::Focus, nullptr, -2 } : *it;
    };
    // A choice: the title is focused and selected, and carries its author;
    // the output box describes the report by its first line.
    QTest::keyClick(output(), Qt::Key_Tab);
    QTest::keyClick(author(0), Qt::Key_Tab);
    QTest::keyClick(tales(), Qt::Key_Down);
    QTest::keyClick(tales(), Qt::Key_Down);
    QCOMPARE(lastFocus().object, tales());
    QCOMPARE(lastFocus().child, 1);
    QAccessibleInterface *item = interface(tales())->child(1);
    QVERIFY(item->state().selected);
    QCOMPARE(item->text(QAccessible::Name),
             QStringLiteral("Белоснежка и Червенорозка, автор: Братя Грим"));
    QCOMPARE(interface(tales())->child(0)->text(QAccessible::Name),
             QStringLiteral("Безценното камъче"));
    clickTale(19); // the title ends in a space, which its name leaves out
    QCOMPARE(interface(tales())->child(19)->text(QAccessible::Name),
             QStringLiteral("Майстор на майсторите, автор: Ангел Каралийчев"));
    clickTale(1);
    QCOMPARE(interface(output())->text(QAccessible::Description),
             QStringLiteral("Избран автор: Братя Грим "));
    // Entering the list again: the chosen title is the last thing focused.
    QTest::keyClick(tales(), Qt::Key_Tab);
    QTest::keyClick(author(3), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), tales());
    QCoreApplication::processEvents();
    QCOMPARE(lastFocus().object, tales());
    QCOMPARE(lastFocus().child, 1);
    platform->setActive(false);
    QAccessible::installUpdateHandler(previous);
}

void MainWindowTest::keyboardAloneReachesEveryFunction()
{
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    };
    key(Qt::Key_Tab); // into the author group
    key(Qt::Key_Space);
    QCOMPARE(selectedAuthor(m_window->form()), 0);
    key(Qt::Key_Down);
    QCOMPARE(selectedAuthor(m_window->form()), 1);
    key(Qt::Key_Tab); // into the tale list: nothing chosen yet
    QCOMPARE(QApplication::focusWidget(), tales());
    QCOMPARE(m_window->form().List1(0).listIndex(), -1);
    key(Qt::Key_Down); // chooses the first title rather than skipping it
    QCOMPARE(m_window->form().List1(0).listIndex(), 0);
    QCOMPARE(selectedAuthor(m_window->form()), 1);
    key(Qt::Key_End);
    QCOMPARE(m_window->form().List1(0).listIndex(), 47);
    key(Qt::Key_Tab); // author 1's stop comes before the list: on to the output box
    QCOMPARE(QApplication::focusWidget(), output());
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), output()->toPlainText());
    QVERIFY(output()->toPlainText().endsWith(QStringLiteral("Юначното петле\n")));
    verifyWidgetsShowForm();
}

void MainWindowTest::qtStringsAreBulgarian()
{
    QVERIFY(installBulgarianQtTranslation(*QCoreApplication::instance()));
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    const std::unique_ptr<QMenu> menu(output()->createStandardContextMenu());
    int named = 0;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        QVERIFY2(action->text().contains(cyrillic), qPrintable(action->text()));
        ++named;
    }
    QVERIFY(named >= 2); // copy, select all
    QMessageBox box(QMessageBox::Critical, m_window->windowTitle(), QStringLiteral("x"),
                    QMessageBox::Ok);
    QVERIFY2(box.button(QMessageBox::Ok)->text().contains(cyrillic),
             qPrintable(box.button(QMessageBox::Ok)->text()));
}

void MainWindowTest::scalesWholeWithTheScreen()
{
    // Run once as it is and once under QT_SCALE_FACTOR=2.
    const qreal factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
            : 1.0;
    QCOMPARE(m_window->devicePixelRatio(), factor);
    QCOMPARE(m_window->grab().toImage().size(), QSize(570, 392) * factor);
    QCOMPARE(m_window->size(), QSize(570, 392));
    QCOMPARE(QFontInfo(output()->font()).pointSize(), 12);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
