// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QWidget>
#include <QWindow>

// What the benchmark programs share: the kernel's account of this process's memory, and a way
// to let a window come up and be painted without QtTest.
namespace bench {

// A field of /proc/self/status in B ("VmRSS", "VmHWM"...); -1 when it cannot be read.
inline long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Runs the event loop until the window is on the screen, then once more for its first paint.
inline bool waitUntilShown(QWidget &window)
{
    constexpr int PatienceMs = 5000;
    const QDeadlineTimer deadline(PatienceMs);
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(100);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

// Deletes what deleteLater() left, as the event loop would on its next turn.
inline void collectDeleted()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace bench
