// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "author_button.h"
#include "author_frame.h"
#include "fonts.h"
#include "tale_list.h"
#include "ui/layout.h"
#include "ui/view.h"

// Defines quillomar_xpm, the 32 x 32 hamburger.
#include "ui/quillomar.xpm"

namespace quillomar {

namespace {

// Qt's device-independent pixels are the design's, so high-DPI screens scale
// the layout whole.
QRect pixels(const layout::Twips &rect)
{
    const layout::Pixels box = layout::toPixels(rect, layout::DesignDpi);
    return { box.left, box.top, box.width, box.height };
}

QColor colour(const layout::Rgb &rgb)
{
    return { rgb.red, rgb.green, rgb.blue };
}

QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// A plain top-level QWidget is a "filler" to screen readers; this one is the
// program's window.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(MainWindow::staticMetaObject.className())
        && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// A fixed background, and on it a text colour of its own: the theme's text
// colour could be lost on it.
void paint(QWidget *widget, QPalette::ColorRole role, const layout::Rgb &background,
           QPalette::ColorRole textRole = QPalette::NoRole, const layout::Rgb &text = {})
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour(background));
    if (textRole != QPalette::NoRole)
        palette.setColor(textRole, colour(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

MainWindow::MainWindow(const Catalogue &catalogue, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_runner(catalogue)
{
    QAccessible::installFactory(windowAccessible); // once: Qt keeps no factory twice
    setWindowTitle(toQString(layout::Caption));
    setWindowIcon(QIcon(QPixmap(quillomar_xpm)));
    setFixedSize(pixels(layout::ClientArea).size());
    setFont(controlFont());
    paint(this, QPalette::Window, layout::WindowColour);

    createOutputBox();
    addLabel(form().Label1(0), layout::Title);
    createAuthorGroup();
    createTaleList(addLabel(form().Label1(1), layout::TaleHeading)->text());

    QWidget *previous = nullptr;
    for (const layout::Stop &stop : layout::TabOrder) {
        QWidget *next = m_authors[std::size_t(stop.index)];
        if (stop.control == layout::Focusable::Output)
            next = m_output;
        else if (stop.control == layout::Focusable::Tales)
            next = m_taleList;
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    showForm();
    m_output->setFocus();
}

void MainWindow::createOutputBox()
{
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QString::fromStdString(form().Text1(0).elementName()));
    m_output->setGeometry(pixels(layout::OutputBox));
    m_output->setReadOnly(true);
    m_output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_output->setFocusPolicy(Qt::StrongFocus);
    m_output->setTabChangesFocus(true);
    m_output->setWordWrapMode(QTextOption::WordWrap);
    m_output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_output->setAccessibleName(toQString(layout::OutputBoxName));
}

QLabel *MainWindow::addLabel(const Label &element, const layout::Twips &rect)
{
    auto *label = new QLabel(toQString(element.caption()), this);
    label->setObjectName(QString::fromStdString(element.elementName()));
    label->setGeometry(pixels(rect));
    label->setAlignment(Qt::AlignCenter);
    paint(label, QPalette::Window, layout::LabelColour, QPalette::WindowText,
          layout::LabelTextColour);
    return label;
}

void MainWindow::createAuthorGroup()
{
    auto *frame = new AuthorFrame(toQString(form().Frame1.caption()), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(pixels(layout::Frame));
    paint(frame, QPalette::Window, layout::FrameColour, QPalette::WindowText,
          layout::FrameTextColour);

    for (int a = 0; a < form().Option1.count(); ++a) {
        const OptionButton &element = form().Option1(a);
        auto *button = new AuthorButton(toQString(element.caption()), frame);
        button->setObjectName(QString::fromStdString(element.elementName()));
        button->setGeometry(pixels(layout::authorButton(a)));
        // A radio button fills its background from the Button role.
        paint(button, QPalette::Button, layout::AuthorColours[std::size_t(a)], QPalette::WindowText,
              layout::AuthorTextColours[std::size_t(a)]);
        connect(button, &AuthorButton::clicked, this,
                [this, a] { follow(m_runner.chooseAuthor(a)); });
        connect(button, &AuthorButton::stepped, this, [this, a](int step) {
            const Outcome outcome = m_runner.stepAuthor(a, step);
            follow(outcome);
            if (outcome == Outcome::Changed)
                m_authors[std::size_t(m_runner.view().author)]->setFocus(Qt::TabFocusReason);
        });
        m_authors.push_back(button);
    }
}

void MainWindow::createTaleList(const QString &heading)
{
    const ListBox &tales = form().List1(0);
    m_taleList = new TaleList(this);
    m_taleList->setObjectName(QString::fromStdString(tales.elementName()));
    m_taleList->setGeometry(pixels(layout::TaleList));
    m_taleList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_taleList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_taleList->setTextElideMode(Qt::ElideNone);
    m_taleList->setUniformItemSizes(true);
    m_taleList->setAccessibleName(heading);
    paint(m_taleList, QPalette::Base, layout::TaleListColour, QPalette::Text,
          layout::TaleListTextColour);
    QPalette palette = m_taleList->palette();
    palette.setColor(QPalette::Highlight, colour(layout::SelectedTaleColour));
    palette.setColor(QPalette::HighlightedText, colour(layout::SelectedTaleTextColour));
    m_taleList->setPalette(palette);
    for (int p = 0; p < tales.listCount(); ++p) {
        auto *item = new QListWidgetItem(toQString(tales.list(p)), m_taleList);
        item->setToolTip(item->text()); // long titles are clipped at the edge
    }
    connect(m_taleList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::onTaleSelectionChanged);
    connect(m_taleList, &TaleList::reselected, this,
            [this](int p) { follow(m_runner.chooseTale(p)); });
    connect(m_taleList, &TaleList::keyPressed, this,
            [this](ListKey key) { follow(m_runner.pressListKey(key, m_taleList->pageRows())); });
    connect(m_taleList, &TaleList::typed, this,
            [this](char16_t letter) { follow(m_runner.typeInList(letter)); });
}

void MainWindow::onTaleSelectionChanged()
{
    if (m_showing)
        return;
    const QModelIndexList selected = m_taleList->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        showForm(); // only the program clears the tale selection
    else
        follow(m_runner.chooseTale(selected.first().row()));
}

void MainWindow::follow(Outcome outcome)
{
    if (outcome == Outcome::Changed)
        showForm();
    else if (outcome == Outcome::Ended)
        fail();
}

void MainWindow::showForm()
{
    // Signals stay connected, so that the views repaint and notify screen
    // readers; this flag keeps our own updates from coming back as choices.
    const QScopedValueRollback showing(m_showing, true);
    const View &view = m_runner.view();

    QString text = toQString(view.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_output->setPlainText(text);
    m_output->verticalScrollBar()->setValue(0);
    m_output->setAccessibleDescription(toQString(view.description));

    for (std::size_t a = 0; a < m_authors.size(); ++a) {
        const bool stop = int(a) == authorTabStop(view);
        m_authors[a]->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        if (int(a) == view.author)
            m_authors[a]->setChecked(true); // the group unchecks the others
    }

    // A screen reader names the chosen tale with its author.
    if (m_namedTale >= 0)
        m_taleList->item(m_namedTale)->setData(Qt::AccessibleTextRole, QVariant());
    if (view.tale >= 0 && view.author >= 0)
        m_taleList->item(view.tale)->setData(Qt::AccessibleTextRole,
                                             toQString(m_runner.chosenTaleName()));
    m_namedTale = view.tale;

    QItemSelectionModel *selection = m_taleList->selectionModel();
    if (view.tale < 0)
        selection->clearSelection(); // keeps the current row and the scroll position
    else // the cursor too, which the view scrolls to
        selection->setCurrentIndex(m_taleList->model()->index(view.tale, 0),
                                   QItemSelectionModel::ClearAndSelect);
}

void MainWindow::fail()
{
    QMessageBox::critical(this, windowTitle(), QString::fromStdString(m_runner.errorMessage()));
    QCoreApplication::exit(RunTimeErrorExitCode);
}

} // namespace quillomar
