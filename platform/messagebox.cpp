// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace platform {

namespace {
std::function<void(const MessageBoxCall &)> &handler()
{
    static std::function<void(const MessageBoxCall &)> current;
    return current;
}
} // namespace

void exclamationBox(QWidget *parent, const QString &text)
{
    const MessageBoxCall call{QGuiApplication::applicationDisplayName(), text};
    if (handler()) {
        handler()(call);
        return;
    }
    QMessageBox box(QMessageBox::Warning, call.title, call.text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void noticeBox(QWidget *parent, const QString &text)
{
    const MessageBoxCall call{QGuiApplication::applicationDisplayName(), text};
    if (handler()) {
        handler()(call);
        return;
    }
    auto *box =
        new QMessageBox(QMessageBox::Warning, call.title, call.text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void setMessageBoxHandler(std::function<void(const MessageBoxCall &)> newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
