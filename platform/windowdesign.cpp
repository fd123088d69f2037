#include "windowdesign.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

void showCentred(QWidget *window)
{
    const QScreen *where = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->move(where->availableGeometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
}

} // namespace platform
