// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "tests/test_support.h"
#include "ui/qt/main_window.h"
#include "ui/view.h"

namespace quillomar::test {

// What the widgets show, read back as a View: the output box's lines with CR LF
// ends, the checked author button (-2 for more than one), the selected tale
// (-2 for more than one).
inline View shownView(const MainWindow &window)
{
    View view;
    const auto *output = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1(0)"));
    view.text = output->toPlainText()
                        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                        .toStdU16String();
    for (int a = 0; a < window.form().Option1.count(); ++a) {
        if (window.findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(a))->isChecked())
            view.author = view.author == -1 ? a : -2;
    }
    const auto *list = window.findChild<QListWidget *>(QStringLiteral("List1(0)"));
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (!selected.isEmpty())
        view.tale = selected.size() == 1 ? list->row(selected.first()) : -2;
    return view;
}

// Where the widgets differ from the form object's state; empty when they agree.
inline QString differencesFromForm(const MainWindow &window)
{
    return QString::fromStdString(differences(window.form(), shownView(window)));
}

// Where the author group's one Tab stop is not the selected button (the first
// while none is); empty when it is.
inline QString tabStopMisplaced(const MainWindow &window)
{
    const int stop = authorTabStop(viewOf(window.form()));
    for (int a = 0; a < window.form().Option1.count(); ++a) {
        const auto *button = window.findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(a));
        if (bool(button->focusPolicy() & Qt::TabFocus) != (a == stop))
            return QStringLiteral("Tab stop on author %1, not %2").arg(a).arg(stop);
    }
    return {};
}

} // namespace quillomar::test
