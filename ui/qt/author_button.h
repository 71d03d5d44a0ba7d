// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeyEvent>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "focus_mark.h"

namespace quillomar {

// An author's option button. The whole coloured bar takes the click, not just
// the indicator and the caption. It never checks itself: a click or Space is
// only reported, and the window checks whichever button the form object says.
// The arrow keys are reported too, so that each one chooses an author
// whichever button got the focus first. The window keeps the group's Tab stop
// on the selected button, so a button taking the focus does not claim it.
class AuthorButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

signals:
    // Up or Left (-1), Down or Right (+1).
    void stepped(int step);

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const bool focusMark = option.state.testFlags(QStyle::State_HasFocus
                                                      | QStyle::State_KeyboardFocusChange);
        option.state &= ~QStyle::State_HasFocus;
        painter.drawControl(QStyle::CE_RadioButton, option);
        if (focusMark)
            drawFocusMark(painter,
                          style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this),
                          palette().color(foregroundRole()));
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void nextCheckState() override { }
    void focusInEvent(QFocusEvent *event) override { QWidget::focusInEvent(event); }
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            emit stepped(-1);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            emit stepped(1);
            break;
        default:
            QRadioButton::keyPressEvent(event);
        }
    }
};

} // namespace quillomar
