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

// Defines quillomar_xpm, the 32 x 32 hamburger.
#include "quillomar.xpm"

namespace quillomar {

namespace {

// Layout is given in twips; 15 twips make a pixel at 96 dpi, which is what
// Qt's device-independent pixels are, so high-DPI screens scale it whole.
constexpr int TwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height)
{
    return { left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
             height / TwipsPerPixel };
}

const QSize ClientArea = twips(0, 0, 8550, 5880).size();
const QRect OutputRect = twips(120, 3960, 8295, 2055); // runs past the bottom; clipped
const QRect TitleRect = twips(960, 0, 6495, 375);
const QRect FrameRect = twips(120, 600, 3375, 3255);
const QRect TaleListRect = twips(3720, 900, 4695, 1485);
const QRect TaleHeadingRect = twips(3720, 600, 4695, 300);

// Author button a sits at twips(120, 300 + 300 * a, 3135, 300) in the frame.
QRect authorRect(int a)
{
    return twips(120, 300 + 300 * a, 3135, 300);
}

const QColor WindowColour(192, 192, 255);
const QColor LabelColour(255, 192, 128);
const QColor FrameColour(128, 64, 0);
const QColor TaleListColour(128, 255, 128);
// Greens and cyans in turn, darker towards the bottom.
const QColor AuthorColours[] = { { 192, 255, 192 }, { 192, 255, 255 }, { 128, 255, 128 },
                                 { 128, 255, 255 }, { 0, 255, 0 },     { 0, 255, 255 },
                                 { 0, 192, 0 },     { 0, 192, 192 },   { 0, 128, 0 } };

const QString Caption = QStringLiteral("www.prikazki.example   Quillomar");

QString toQString(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

// A plain top-level QWidget is a "filler" to screen readers; this one is the
// program's window.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(MainWindow::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

void paint(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

MainWindow::MainWindow(const Catalogue &catalogue, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                      | Qt::MSWindowsFixedSizeDialogHint),
      m_form(catalogue)
{
    static const bool factoryInstalled = (QAccessible::installFactory(windowAccessible), true);
    Q_UNUSED(factoryInstalled);
    setWindowTitle(Caption);
    setWindowIcon(QIcon(QPixmap(quillomar_xpm)));
    setFixedSize(ClientArea);
    setFont(controlFont());
    paint(this, QPalette::Window, WindowColour);

    createOutputBox();
    addLabel(m_form.Label1(0), TitleRect);
    createAuthorGroup();
    createTaleList(addLabel(m_form.Label1(1), TaleHeadingRect)->text());

    // Keyboard order: output box, the first three authors, the tale list, the rest.
    std::vector<QWidget *> order { m_output, m_authors[0], m_authors[1], m_authors[2], m_taleList };
    order.insert(order.end(), m_authors.begin() + 3, m_authors.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    showForm();
    m_output->setFocus();
}

void MainWindow::createOutputBox()
{
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QString::fromStdString(m_form.Text1(0).elementName()));
    m_output->setGeometry(OutputRect);
    m_output->setReadOnly(true);
    m_output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_output->setFocusPolicy(Qt::StrongFocus);
    m_output->setTabChangesFocus(true);
    m_output->setWordWrapMode(QTextOption::WordWrap);
    m_output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_output->setAccessibleName(QStringLiteral("Сведения за автора"));
}

QLabel *MainWindow::addLabel(const Label &element, const QRect &rect)
{
    auto *label = new QLabel(toQString(element.caption()), this);
    label->setObjectName(QString::fromStdString(element.elementName()));
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignCenter);
    paint(label, QPalette::Window, LabelColour);
    return label;
}

void MainWindow::createAuthorGroup()
{
    auto *frame = new AuthorFrame(toQString(m_form.Frame1.caption()), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(FrameRect);
    paint(frame, QPalette::Window, FrameColour);

    for (int a = 0; a < m_form.Option1.count(); ++a) {
        const OptionButton &element = m_form.Option1(a);
        auto *button = new AuthorButton(toQString(element.caption()), frame);
        button->setObjectName(QString::fromStdString(element.elementName()));
        button->setGeometry(authorRect(a));
        // A radio button fills its background from the Button role.
        paint(button, QPalette::Button, AuthorColours[a % std::size(AuthorColours)]);
        connect(button, &AuthorButton::clicked, this,
                [this, a] { act([this, a] { m_form.UserSelectsAuthor(a); }); });
        connect(button, &AuthorButton::stepped, this, [this, a](int step) { stepAuthor(a, step); });
        m_authors.push_back(button);
    }
}

void MainWindow::createTaleList(const QString &heading)
{
    const ListBox &tales = m_form.List1(0);
    m_taleList = new TaleList(this);
    m_taleList->setObjectName(QString::fromStdString(tales.elementName()));
    m_taleList->setGeometry(TaleListRect);
    m_taleList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_taleList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_taleList->setTextElideMode(Qt::ElideNone);
    m_taleList->setUniformItemSizes(true);
    m_taleList->setAccessibleName(heading);
    paint(m_taleList, QPalette::Base, TaleListColour);
    for (int p = 0; p < tales.listCount(); ++p) {
        auto *item = new QListWidgetItem(toQString(tales.list(p)), m_taleList);
        item->setToolTip(item->text()); // long titles are clipped at the edge
    }
    connect(m_taleList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::onTaleSelectionChanged);
    connect(m_taleList, &TaleList::reselected, this,
            [this](int p) { act([this, p] { m_form.UserSelectsTale(p); }); });
}

void MainWindow::onTaleSelectionChanged()
{
    if (m_showing)
        return;
    const QModelIndexList selected = m_taleList->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        showForm(); // only the program clears the tale selection
    else
        act([this, p = selected.first().row()] { m_form.UserSelectsTale(p); });
}

void MainWindow::stepAuthor(int from, int step)
{
    // The arrow keys go round the group, as in a dialog's group of buttons.
    const int count = int(m_authors.size());
    const int to = (from + step + count) % count;
    act([this, to] { m_form.UserSelectsAuthor(to); });
    m_authors[std::size_t(to)]->setFocus(Qt::TabFocusReason);
}

template<typename Action>
void MainWindow::act(Action action)
{
    try {
        action();
    } catch (const ControlError &error) {
        fail(error);
        return;
    }
    showForm();
}

void MainWindow::showForm()
{
    // Signals stay connected, so that the views repaint and notify screen
    // readers; this flag keeps our own updates from coming back as choices.
    const QScopedValueRollback showing(m_showing, true);

    QString text = toQString(m_form.Text1(0).text());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_output->setPlainText(text);
    m_output->verticalScrollBar()->setValue(0);

    // A screen reader finds the report's first line, the chosen author, in
    // the box's description.
    m_output->setAccessibleDescription(text.left(text.indexOf(QLatin1Char('\n'))));

    // The group is one Tab stop: its selected button, or the first while none is.
    const int author = selectedAuthor();
    for (std::size_t a = 0; a < m_authors.size(); ++a) {
        m_authors[a]->setFocusPolicy(int(a) == std::max(author, 0) ? Qt::StrongFocus : Qt::ClickFocus);
        if (int(a) == author)
            m_authors[a]->setChecked(true); // the group unchecks the others
    }

    const int tale = m_form.List1(0).listIndex();
    // A screen reader names the chosen tale with its author, and says so at
    // once where the choice moves no focus (the first key in the list).
    if (m_namedTale >= 0)
        m_taleList->item(m_namedTale)->setData(Qt::AccessibleTextRole, QVariant());
    if (tale >= 0 && author >= 0) {
        QListWidgetItem *item = m_taleList->item(tale);
        item->setData(Qt::AccessibleTextRole,
                      item->text().trimmed() + QStringLiteral(", автор: ")
                              + toQString(m_form.Option1(author).caption()).trimmed());
        if (QAccessible::isActive()) {
            QAccessibleEvent event(m_taleList, QAccessible::NameChanged);
            event.setChild(tale);
            QAccessible::updateAccessibility(&event);
        }
    }
    m_namedTale = tale;

    QItemSelectionModel *selection = m_taleList->selectionModel();
    if (tale < 0)
        selection->clearSelection(); // keeps the current row and the scroll position
    else
        selection->select(m_taleList->model()->index(tale, 0),
                          QItemSelectionModel::ClearAndSelect);
}

int MainWindow::selectedAuthor() const
{
    for (int a = 0; a < m_form.Option1.count(); ++a) {
        if (m_form.Option1(a).value())
            return a;
    }
    return -1;
}

void MainWindow::fail(const ControlError &error)
{
    QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
    QCoreApplication::exit(RunTimeErrorExitCode);
}

} // namespace quillomar
