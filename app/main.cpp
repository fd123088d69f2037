#include "frmsplash.h"
#include "identity.h"
#include "mainwin/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    identity::applyTo(application);

    (new FrmSplash)->showCentred();
    const int status = QApplication::exec();

    // Main windows still open when Exit ends the program.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form1 *>(window))
            delete window;
    }
    return status;
}
