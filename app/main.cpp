// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/identity.h"
#include "app/language.h"
#include "frmsplash.h"
#include "mainwin/form1.h"
#include "mainwin/practicemode.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    identity::applyTo(application);
    language::install(QLocale::system());
    commandline::Options options;
    if (const std::optional<int> status = commandline::read(QApplication::arguments(), options))
        return *status;
    mainwin::PracticeMode::setSeed(options.seed);

    (new FrmSplash)->showCentred();
    const int status = QApplication::exec();

    // Main windows still open when Exit ends the program. Collect them first: deleting one also
    // deletes its menus, which are top-level windows of their own.
    QList<Form1 *> forms;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form1 *>(window))
            forms << form;
    }
    qDeleteAll(forms);
    return status;
}
