// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Ends the event loop right after `window` has painted its first frame: the
// quit is queued from the first paint, so it runs once that frame is flushed.
inline void quitAfterFirstFrame(QWidget &window)
{
    class FirstPaint : public QObject
    {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !m_seen) {
                m_seen = true;
                QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                          Qt::QueuedConnection);
            }
            return false;
        }

    private:
        bool m_seen = false;
    };
    window.installEventFilter(new FirstPaint(&window));
}
