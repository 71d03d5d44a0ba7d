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
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace quillomar
