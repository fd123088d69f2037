#include "mainwin/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    Form1::defaultForm()->showCentred();
    return QApplication::exec();
}
