// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filemenu.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>

namespace mainwin {

// The texts belong to the main window, and are translated with its texts.
FileMenu::FileMenu(QWidget *window)
    //: The menu bar's one menu.
    : QMenu(QCoreApplication::translate("Form1", "&File"), window)
{
    setObjectName(QStringLiteral("File"));
    //: Menu item: a fresh counting frame in place of the first window.
    auto *newMenu = new QMenu(QCoreApplication::translate("Form1", "New"), this);
    newMenu->setObjectName(QStringLiteral("New"));
    QAction *newItem = addMenu(newMenu);
    newItem->setObjectName(QStringLiteral("New"));
    newItem->setShortcut(Qt::Key_F1);
    connect(newItem, &QAction::triggered, this, &FileMenu::newChosen);

    //: Menu item: ends the program.
    QAction *exitItem = newMenu->addAction(QCoreApplication::translate("Form1", "Exit"));
    exitItem->setObjectName(QStringLiteral("Exit"));
    exitItem->setShortcut(Qt::Key_F2);
    connect(exitItem, &QAction::triggered, this, &FileMenu::exitChosen);

    for (QMenu *menu : {static_cast<QMenu *>(this), newMenu})
        menu->setLayoutDirection(QGuiApplication::layoutDirection());
    for (QAction *item : {newItem, exitItem}) {
        item->setCheckable(true);
        item->setChecked(true);
        connect(item, &QAction::toggled, item, [item] { item->setChecked(true); });
    }
}

void FileMenu::mouseReleaseEvent(QMouseEvent *event)
{
    QAction *action = actionAt(event->position().toPoint());
    if (action && action->menu() && action->isEnabled()) {
        hide();
        action->trigger();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

} // namespace mainwin
