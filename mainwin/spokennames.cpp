// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spokennames.h"

#include <QCoreApplication>

namespace mainwin::spoken {

namespace {

// What a screen reader hears belongs to the main window, and is translated with its texts.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

QString rodName(int rod)
{
    //: A rod of the counting frame, numbered from the left: Rod 1 to Rod 15.
    return Texts::tr("Rod %1").arg(board::RodCount - rod);
}

QString beadName(board::Bead bead, board::Place place)
{
    QString which;
    switch (bead.kind) {
    case board::BeadKind::Outer:
        //: %1 is a rod ("Rod 3"). Of its two beads worth 5, the one farther from the beam.
        which = Texts::tr("%1, upper outer bead").arg(rodName(bead.rod));
        break;
    case board::BeadKind::Inner:
        //: %1 is a rod ("Rod 3"). Of its two beads worth 5, the one next to the beam.
        which = Texts::tr("%1, upper inner bead").arg(rodName(bead.rod));
        break;
    default:
        //: %1 is a rod ("Rod 3"); %2 numbers its five beads worth 1, from the bottom (1) up to
        //: the beam (5).
        which = Texts::tr("%1, lower bead %2")
                    .arg(rodName(bead.rod))
                    .arg(static_cast<int>(bead.kind) + 1);
    }
    const QString where = place == board::Place::Counted
                              //: Where a bead is: moved to the beam, so it counts.
                              ? Texts::tr("at the beam")
                              //: Where a bead is: away from the beam, so it does not count.
                              : Texts::tr("at rest");
    //: A bead, then where it is: "Rod 3, lower bead 2, at rest".
    return Texts::tr("%1, %2").arg(which, where);
}

QString rodValueName(int rod)
{
    //: The label under a rod ("Rod 3") that shows the rod's value; a screen reader hears the
    //: value after it: "Rod 3 value 7".
    return Texts::tr("%1 value").arg(rodName(rod));
}

QString withValue(const QString &name, const QString &value)
{
    return name + u' ' + value;
}

QString afterAction(const QString &bead, const QString &rodValue)
{
    if (rodValue.isEmpty())
        return bead;
    //: What a screen reader hears as a bead moves: the bead, then its rod's value:
    //: "Rod 2, lower bead 4, at the beam. Rod 2 value 2".
    return Texts::tr("%1. %2").arg(bead, rodValue);
}

} // namespace mainwin::spoken
