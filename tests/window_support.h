// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "ui/main_window.h"

namespace quillomar::test {

// What the output box shows for the form's text: a line per CR LF.
inline QString shown(const std::u16string &text)
{
    return QString::fromStdU16String(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Where the widgets differ from the form object's state; empty when they agree.
inline QString differencesFromForm(const MainWindow &window)
{
    const Form &form = window.form();
    const auto *output = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1(0)"));
    if (output->toPlainText() != shown(form.Text1(0).text()))
        return QStringLiteral("output box: ") + output->toPlainText().left(60);
    for (int a = 0; a < form.Option1.count(); ++a) {
        const auto *button = window.findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(a));
        if (button->isChecked() != form.Option1(a).value())
            return QStringLiteral("author button %1").arg(a);
    }
    const auto *list = window.findChild<QListWidget *>(QStringLiteral("List1(0)"));
    const QList<QListWidgetItem *> selected = list->selectedItems();
    const int tale = form.List1(0).listIndex();
    if (selected.size() != (tale < 0 ? 0 : 1) || (tale >= 0 && list->row(selected.first()) != tale))
        return QStringLiteral("tale list selection, form has %1").arg(tale);
    if (form.clickGuard() != GuardIdle)
        return QStringLiteral("guard %1").arg(form.clickGuard());
    return {};
}

// Where the author group's one Tab stop is not the selected button (the first
// while none is); empty when it is.
inline QString tabStopMisplaced(const MainWindow &window)
{
    const Form &form = window.form();
    int selected = -1;
    for (int a = 0; a < form.Option1.count(); ++a)
        selected = form.Option1(a).value() ? a : selected;
    for (int a = 0; a < form.Option1.count(); ++a) {
        const auto *button = window.findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(a));
        if (bool(button->focusPolicy() & Qt::TabFocus) != (a == std::max(selected, 0)))
            return QStringLiteral("Tab stop on author %1, %2 selected").arg(a).arg(selected);
    }
    return {};
}

} // namespace quillomar::test
