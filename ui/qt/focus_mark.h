// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QPen>

namespace quillomar {

// The focus mark on an author button or a title: a dotted line in the text's
// own colour. The style's mark takes the theme's highlight, which may be
// lost on the window's fixed backgrounds.
inline void drawFocusMark(QPainter &painter, const QRect &rect, const QColor &colour)
{
    painter.save();
    const QPen pen(colour, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A pen is centred on its line, and grows with the screen's scale: inset
    // by half its width, the mark stays inside the rectangle at every scale.
    const qreal half = pen.widthF() / 2;
    painter.drawRect(QRectF(rect).adjusted(half, half, -half, -half));
    painter.restore();
}

} // namespace quillomar
