// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Works the main window as a pupil does: finds controls by name, sends the mouse to the window.
#include "board/board.h"
#include "platform/imagecontrol.h"
#include "testkit.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace driver {
// Each rod's wire in twips, rod 0 (rightmost) first; its beads stand 240 left of it, its label 120.
inline constexpr int RodX[] = {7440, 6960, 6480, 6000, 5520, 5040, 4560, 4080,
                               3600, 3120, 2640, 2160, 1680, 1200, 720};
// Top edges in twips of Lower1 .. Lower5, Outer and Inner: {at rest, at the beam}.
inline constexpr float BeadTop[7][2] = {{4920, 3000}, {4680, 2760}, {4440, 2520}, {4200, 2280},
                                        {3960, 2040}, {240, 1320},  {480, 1560}};

// Lower bead k of rod r is Image(5r + k), the outer bead Image(76 + 2r), the inner Image(77 + 2r).
inline platform::ImageControl *bead(QWidget *form, int rod, board::BeadKind kind)
{
    const int k = int(kind), image = k < 5 ? 5 * rod + k + 1 : 76 + 2 * rod + k - 5;
    return form->findChild<platform::ImageControl *>(QStringLiteral("Image%1").arg(image));
}
// A point `down` twips below the top edge of a bead's picture, in window coordinates.
inline QPoint beadPoint(QWidget *form, int rod, board::BeadKind kind, int down = 255)
{
    return bead(form, rod, kind)->mapTo(form, QPoint(16, down / 15));
}
inline void clickBead(QWidget *form, int rod, board::BeadKind kind,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(form->windowHandle(), button, {}, beadPoint(form, rod, kind));
}
inline bool atBeam(QWidget *form, int rod, board::BeadKind kind)
{
    return bead(form, rod, kind)->top() == BeadTop[int(kind)][1];
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

// Base 16 shows LabHex and ComBase, base 10 LabBase and ComHex; any other mix fails the test.
inline bool showsBase16(QWidget *form)
{
    const bool hex = isShown(form, "LabHex");
    if (isShown(form, "ComBase") + !isShown(form, "LabBase") + !isShown(form, "ComHex") != 3 * hex)
        QTest::qFail("the base labels and buttons disagree", __FILE__, __LINE__);
    return hex;
}
} // namespace driver
