#pragma once

#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace quillomar {

// The frame around the author buttons: a group box drawn without its border.
// Fusion draws that border from a PNG, and the first PNG a program loads makes
// Qt open every image format plugin (and libjpeg) at start-up. On the frame's
// filled panel the border only shades the colour by a few steps anyway.
class AuthorFrame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        option.subControls &= ~QStyle::SC_GroupBoxFrame;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
};

} // namespace quillomar
