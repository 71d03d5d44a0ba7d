// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace quillomar {

// The frame around the author buttons: a group box that draws its caption but
// keeps it out of its title. Qt makes a group box's title the label of every
// control inside it, so a screen reader would say it before each author; as
// the group's accessible name it is said once, on entering the group.
// The border is left out too: Fusion draws it from a PNG, and the first PNG a
// program loads makes Qt open every image format plugin (and libjpeg) at
// start-up. On the frame's filled panel it only shades the colour a few steps.
class AuthorFrame : public QGroupBox
{
public:
    AuthorFrame(const QString &caption, QWidget *parent) : QGroupBox(parent), m_caption(caption)
    {
        setAccessibleName(caption);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        option.text = m_caption;
        option.textColor = palette().color(QPalette::WindowText); // not the style's pick
        option.subControls
                = (option.subControls | QStyle::SC_GroupBoxLabel) & ~QStyle::SC_GroupBoxFrame;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }

private:
    QString m_caption;
};

} // namespace quillomar
