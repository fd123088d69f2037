// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

// A modal box with an exclamation-mark icon and a single OK button, titled with the
// application's name. Returns once the box is closed, however it was closed.
void exclamationBox(QWidget *parent, const QString &text);

// The same box without waiting: it shows, and returns at once; the box goes once it is closed.
// The window takes clicks and keys meanwhile.
void noticeBox(QWidget *parent, const QString &text);

// Tests answer boxes without showing them: while a handler is set, each box is handed to it
// (with its title and text) instead of being shown. An empty handler shows real boxes again.
struct MessageBoxCall
{
    QString title;
    QString text;
};
void setMessageBoxHandler(std::function<void(const MessageBoxCall &)> handler);

} // namespace platform
