// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include <QApplication>
#include <QWidget>

namespace platform {

namespace {
std::function<void()> &handler()
{
    static std::function<void()> current;
    return current;
}
} // namespace

void endProgram()
{
    if (handler()) {
        handler()();
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
