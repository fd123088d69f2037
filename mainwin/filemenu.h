// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenu>

namespace mainwin {

// The menu title "&File" of a main window. Its one item, "New" (F1), carries a submenu with
// "Exit" (F2): hovering over New opens the submenu, and clicking it runs New as any other item
// would. Both items show a check mark, as designed, and keep it when chosen. The menu is laid
// out in the language's direction.
class FileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit FileMenu(QWidget *window);

signals:
    void newChosen();
    void exitChosen();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace mainwin
