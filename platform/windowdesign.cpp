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

// Shrinks a control's font a pixel at a time for as long as `tooLarge` says its caption does not
// fit. A caption that fits keeps the font it has.
template <typename TooLarge> void shrinkWhile(QWidget *control, TooLarge tooLarge)
{
    QFont font = control->font(); // sized in pixels, as every designed font is
    while (font.pixelSize() > 1 && tooLarge()) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
}

} // namespace

void fitCaption(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    // The room the style leaves for a label, less a pixel of air on each side.
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() - 2;
    const QString text = shownText(button->text());
    shrinkWhile(button, [&] { return button->fontMetrics().horizontalAdvance(text) > room; });
}

void fitCaption(QLabel *label, QSize room)
{
    shrinkWhile(label, [&] {
        const QSize size = label->sizeHint();
        return size.width() > room.width() || size.height() > room.height();
    });
}

void showCentred(QWidget *window)
{
    const QScreen *where = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->move(where->availableGeometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
}

} // namespace platform
