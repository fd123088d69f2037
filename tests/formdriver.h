#pragma once

// Finds the main window's controls by name and works them with the mouse as a pupil does: mouse
// input goes to the window, which hands it to whatever control is under the point.
#include "board/board.h"
#include "platform/imagecontrol.h"
#include "testkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace driver {

inline platform::ImageControl *bead(QWidget *form, int rod, board::BeadKind kind)
{
    const QString name = QStringLiteral("Image%1").arg(board::imageOf({rod, kind}));
    return form->findChild<platform::ImageControl *>(name);
}

// A point `down` twips below the top edge of a bead's picture, in window coordinates.
inline QPoint beadPoint(QWidget *form, int rod, board::BeadKind kind, int down = 255)
{
    platform::ImageControl *picture = bead(form, rod, kind);
    return picture->mapTo(form, QPoint(picture->width() / 2, down / 15));
}

inline void clickBead(QWidget *form, int rod, board::BeadKind kind,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(form->windowHandle(), button, {}, beadPoint(form, rod, kind));
}

inline bool atBeam(QWidget *form, int rod, board::BeadKind kind)
{
    return bead(form, rod, kind)->top() == board::topOf(kind, board::Place::Counted);
}

inline QLabel *rodLabel(QWidget *form, int rod)
{
    return form->findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(rod));
}

inline QLineEdit *textBin(QWidget *form)
{
    return form->findChild<QLineEdit *>(QStringLiteral("TextBin"));
}

inline bool isShown(QWidget *form, const char *name)
{
    return form->findChild<QWidget *>(QLatin1String(name))->isVisible();
}

inline void press(QWidget *form, const char *button)
{
    QTest::mouseClick(form->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

// Base 16 is shown by the "Hexadecimal" label and the "Base 10" button, base 10 by the others.
inline bool showsBase16(QWidget *form)
{
    const bool base16 = isShown(form, "LabHex");
    if (isShown(form, "LabBase") == base16 || isShown(form, "ComBase") != base16 ||
        isShown(form, "ComHex") == base16)
        qWarning("the base labels and buttons disagree");
    return base16;
}

} // namespace driver
