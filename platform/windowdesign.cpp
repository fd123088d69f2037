// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowdesign.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>

namespace platform {

namespace {

// Where a control keeps the place and font size that the zoom scales.
constexpr const char *DesignedPlace = "quillmereDesignedPlace";
constexpr const char *DesignedFontPixels = "quillmereDesignedFontPixels";

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
    const QString text = withoutMnemonic(button->text());
    shrinkWhile(button, [&] { return button->fontMetrics().horizontalAdvance(text) > room; });
}

void fitCaption(QLabel *label, QSize room)
{
    shrinkWhile(label, [&] {
        const QSize size = label->sizeHint();
        return size.width() > room.width() || size.height() > room.height();
    });
}

QLabel *designLabel(QLabel *label, const ControlDesign &design)
{
    label->setFont(designFont(design.font));
    label->setAlignment(design.alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return place(label, design);
}

QString withoutMnemonic(QString caption)
{
    return caption.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QString accessibleCaption(QString caption)
{
    static const QRegularExpression keyAfterCaption(QStringLiteral("\\s*\\(&\\w\\)$"));
    return withoutMnemonic(caption.remove(keyAfterCaption));
}

void setZoom(QWidget *container, const Zoom &zoom)
{
    for (QObject *child : container->children()) {
        if (auto *zoomable = dynamic_cast<Zoomable *>(child)) {
            zoomable->setZoom(zoom);
            continue;
        }
        auto *control = qobject_cast<QWidget *>(child);
        if (control == nullptr || control->isWindow())
            continue;
        if (!control->property(DesignedPlace).isValid()) {
            control->setProperty(DesignedPlace, control->geometry());
            control->setProperty(DesignedFontPixels, control->testAttribute(Qt::WA_SetFont)
                                                         ? control->font().pixelSize()
                                                         : 0);
        }
        control->setGeometry(zoom.rect(control->property(DesignedPlace).toRect()));
        if (const int pixels = control->property(DesignedFontPixels).toInt(); pixels != 0) {
            QFont font = control->font();
            font.setPixelSize(zoom.length(pixels));
            control->setFont(font);
        }
    }
}

void showCentred(QWidget *window)
{
    const QScreen *where = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->move(where->availableGeometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
}

} // namespace platform
