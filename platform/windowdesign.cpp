#include "windowdesign.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>

namespace platform {

namespace {

// The text a caption shows: its mnemonic marks dropped, a doubled one shown as one.
QString shownText(QString caption)
{
    return caption.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void fitText(QWidget *control, const QString &text, int width)
{
    QFont font = control->font(); // sized in pixels, as every designed font is
    const QFont designed = font;
    while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    if (font != designed)
        control->setFont(font);
}

} // namespace

void fitCaption(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    fitText(button, shownText(button->text()), room.width());
}

void fitCaption(QLabel *label, int width)
{
    fitText(label, label->text(), width);
}

void showCentred(QWidget *window)
{
    const QScreen *where = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->move(where->availableGeometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
}

} // namespace platform
