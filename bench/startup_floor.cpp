// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: a bare Qt application with one label in the same font, ending
// after its first frame. What the program cannot choose it shares: the
// label's word is Bulgarian, as all the program's text is, so that Qt loads
// the same faces for the same scripts, and its window has the program's size.

#include <QApplication>
#include <QLabel>

#include "first_frame.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Приказка"));
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    label.setFont(font);
    label.setFixedSize(570, 392);
    label.show();
    quitAfterFirstFrame(label);
    return app.exec();
}
