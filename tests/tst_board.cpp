// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"
#include "testkit.h"

#include <QRandomGenerator>
#include <QTest>

using namespace board;
using enum BeadKind;

const QString BeadNames = QStringLiteral("12345OI"); // in BeadKind order

// A rod's beads at the beam and its values: "45I 5+2=7".
static QString state(const Board &board, int rod)
{
    QString names;
    for (int k = 0; k < BeadKindCount; ++k)
        names += board.place({rod, BeadKind(k)}) == Place::Counted ? BeadNames.mid(k, 1) : "";
    return names + QString::asprintf(" %d+%d=%d", board.UpperValue(rod), board.LowerValue(rod),
                                     board.RodValue(rod));
}

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    // A bead numbered wrongly: lower beads rod by rod from the right, bottom up, then upper beads.
    void beadNumbers_data()
    {
        addColumns<Bead, int>("bead", "number");
        row("rightmost rod, bottom bead", Bead{0, Lower1}, 1);
        row("leftmost rod, lower bead next to the beam", Bead{14, Lower5}, 75);
        row("rightmost rod, outer bead", Bead{0, Outer}, 76);
        row("leftmost rod, inner bead", Bead{14, Inner}, 105);
    }
    void beadNumbers()
    {
        QFETCH(Bead, bead);
        QFETCH(int, number);
        QCOMPARE(numberOf(bead), number);
    }
    // A rule that moves the wrong beads or writes the wrong values: the rightmost rod after a
    // click on a fresh board, then a press with its whole deck at the beam; the beads each moved.
    void beadRule_data()
    {
        addColumns<BeadKind, QString>("bead", "states");
        row("lower bead 1", Lower1, "12345 0+5=5 (5 moved), then 2345 0+4=4 (1 moved)");
        row("lower bead 2", Lower2, "2345 0+4=4 (4 moved), then 345 0+3=3 (2 moved)");
        row("lower bead 3", Lower3, "345 0+3=3 (3 moved), then 45 0+2=2 (3 moved)");
        row("lower bead 4", Lower4, "45 0+2=2 (2 moved), then 5 0+1=1 (4 moved)");
        row("lower bead 5", Lower5, "5 0+1=1 (1 moved), then  0+0=0 (5 moved)");
        row("outer bead", Outer, "OI 10+0=10 (2 moved), then I 5+0=5 (1 moved)");
        row("inner bead", Inner, "I 5+0=5 (1 moved), then  0+0=0 (2 moved)");
    }
    void beadRule()
    {
        QFETCH(BeadKind, bead);
        QFETCH(QString, states);
        Board board;
        const auto moved = [](const Moves &moves) {
            return QString(" (%1 moved)").arg(int(std::distance(moves.begin(), moves.end())));
        };
        QString seen = moved(board.act({0, bead}, Gesture::Click));
        seen = state(board, 0) + seen;
        board.act({0, deckOf(bead) == Deck::Lower ? Lower1 : Outer}, Gesture::Click);
        const Moves press = board.act({0, bead}, Gesture::Press);
        QCOMPARE(seen + ", then " + state(board, 0) + moved(press), states);
    }
    // The arrow keys' steps: Left to the rod on the left as seen, Up and Down along the rod and
    // across the beam, none off the frame. Faults: a swapped direction, a wrap, a skipped bead.
    void focusSteps_data()
    {
        addColumns<Bead, Step, Bead>("from", "step", "to");
        row("Left to the rod on the left", Bead{0, Lower3}, Step::Left, Bead{1, Lower3});
        row("Left stops at the leftmost rod", Bead{14, Outer}, Step::Left, Bead{14, Outer});
        row("Right to the rod on the right", Bead{7, Inner}, Step::Right, Bead{6, Inner});
        row("Right stops at the rightmost rod", Bead{0, Lower1}, Step::Right, Bead{0, Lower1});
        row("Up from lower bead 5 across the beam", Bead{3, Lower5}, Step::Up, Bead{3, Inner});
        row("Up from the inner bead to the outer", Bead{3, Inner}, Step::Up, Bead{3, Outer});
        row("Up stops at the outer bead", Bead{3, Outer}, Step::Up, Bead{3, Outer});
        row("Down from the inner bead across the beam", Bead{2, Inner}, Step::Down,
            Bead{2, Lower5});
        row("Down from lower bead 2 to lower bead 1", Bead{2, Lower2}, Step::Down, Bead{2, Lower1});
        row("Down stops at lower bead 1", Bead{2, Lower1}, Step::Down, Bead{2, Lower1});
    }
    void focusSteps()
    {
        QFETCH(Bead, from);
        QFETCH(Step, step);
        QFETCH(Bead, to);
        QCOMPARE(neighbour(from, step), to);
    }
    // Gestures and lone presses keep the beads nearest the beam at the beam; the values count
    // them, and an action names exactly the beads whose place it changed.
    void randomGesturesKeepRodsConsistent()
    {
        QRandomGenerator random(20261206);
        Board board;
        int total = 0;
        for (int step = 0; step < 20000; ++step) {
            const Bead bead{int(random.bounded(RodCount)), BeadKind(random.bounded(BeadKindCount))};
            total -= board.RodValue(bead.rod);
            const Place before = board.place(bead);
            const Moves press = board.act(bead, Gesture::Press);
            QCOMPARE(press.contains(bead), before == Place::Counted);
            if (!press.contains(bead) && random.bounded(4) != 0) // it stayed under the pointer
                board.act(bead, Gesture::Click);
            const int lower = board.LowerValue(bead.rod), upper = board.UpperValue(bead.rod) / 5;
            QCOMPARE(state(board, bead.rod),
                     BeadNames.mid(LowerBeadCount - lower, lower) + BeadNames.right(upper) +
                         QString::asprintf(" %d+%d=%d", 5 * upper, lower, 5 * upper + lower));
            total += board.RodValue(bead.rod);
            QCOMPARE(board.total(), total);
        }
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
