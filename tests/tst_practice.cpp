// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/practice.h"
#include "testkit.h"

using namespace board;
using namespace board::practice;
using enum Exercise;

// A task as text: its number, then for Read the Frame each rod's value "value@rod", rods in order.
static QString text(const Task &task)
{
    QString rods;
    for (int rod = 0; rod < RodCount; ++rod)
        rods += task.rodValues[rod] ? QString("+%1@%2").arg(task.rodValues[rod]).arg(rod) : "";
    return QString::number(task.number) + (rods.isEmpty() ? "" : "=" + rods.mid(1));
}

static QString score(const Practice &p)
{
    return QString::asprintf("%s %d tries%s, %d right of %d", p.isOpen() ? "open" : "closed",
                             p.tries(), p.offersShowMe() ? ", show me" : "", p.right(), p.done());
}

class TestPractice : public QObject
{
    Q_OBJECT
private slots:
    // A typed answer misread: a foreign digit or sign taken, blanks or a case refused, an overflow.
    void readAnswer_data()
    {
        addColumns<QString, int, int>("typed", "base", "value"); // -1: nothing
        row("blanks around", " 13 ", 10, 13);
        row("hex lower case", "c", 16, 12);
        row("hex leading zero", "0C", 16, 12);
        row("hex digit in base 10", "C", 10, -1);
        row("G is no hex digit", "G", 16, -1);
        row("empty", "", 10, -1);
        row("blank between digits", "1 3", 10, -1);
        row("minus sign", "-1", 10, -1);
        row("Arabic-Indic digits", "١٣", 10, -1);
        row("nine digits", "000000013", 10, -1);
        row("past the largest int", "80000000", 16, -1);
    }
    void readAnswer()
    {
        QFETCH(QString, typed);
        QFETCH(int, base);
        QTEST(practice::readAnswer(typed.toStdString(), base).value_or(-1), "value");
    }
    // A wrong bead, order or rod: by value, the beads to click on rod 3 (12345OI by BeadKind).
    void beadsForValue()
    {
        QStringList beads;
        for (const int value : {0, 4, 5, 7, 10, 15}) {
            beads << QString::number(value) + ':';
            for (const Bead bead : practice::beadsForValue(3, value))
                beads.last() += bead.rod == 3 ? QString("12345OI").at(int(bead.kind)) : u'?';
        }
        QCOMPARE(beads.join(' '), "0: 4:2 5:I 7:I4 10:O 15:O1");
    }
    // A level that allows too few or too many rods with beads (a floor instead of a ceiling).
    void rodsAtLevel()
    {
        QStringList rods;
        for (const int level : Levels)
            rods << QString::number(practice::rodsAtLevel(level));
        QCOMPARE(rods.join(' '), "1 1 1 2 7 15"); // levels 5, 10, 15, 30, 100, 225
    }
    // A wrong verdict or score: Show me too early, shown or skipped tasks right, closed checks
    // counted. Seed 1 draws 5 to show at level 10.
    void scriptedRound()
    {
        Practice p(1);
        p.next(ShowNumber, 10);
        QCOMPARE(p.check(4), Verdict::NeedsMore);
        QCOMPARE(score(p), "open 1 tries, 0 right of 0");
        QCOMPARE(p.check(6), Verdict::NeedsFewer);
        QCOMPARE(score(p), "open 2 tries, show me, 0 right of 0");
        p.showMe();
        QCOMPARE(p.check(5), Verdict::Right);
        QCOMPARE(score(p), "closed 2 tries, 0 right of 1");
        QCOMPARE(text(p.next(ReadFrame, 10)), "10=10@13");
        QCOMPARE(p.check(std::nullopt), Verdict::NotYet);
        QCOMPARE(p.check(10), Verdict::Right);
        QCOMPARE(score(p), "closed 1 tries, 1 right of 2");
        p.next(ShowNumber, 5);
        p.next(ShowNumber, 5);
        QCOMPARE(score(p), "open 0 tries, 1 right of 3");
    }
    // Draws that change between runs or break their level (checked by hand: totals in 1..level,
    // no more rods than rodsAtLevel, each 1..15, summing to the number).
    void seededDraws_data()
    {
        addColumns<Exercise, int, QString>("exercise", "level", "tasks");
        row("show, level 10", ShowNumber, 10, "5 10");
        row("read, level 30", ReadFrame, 30, "13=1@1+12@10 10=7@0+3@2");
        row("read, level 100", ReadFrame, 100,
            "42=2@1+3@2+2@4+15@5+2@6+4@9+14@10 40=4@3+5@5+5@6+13@8+8@10+3@12+2@13");
    }
    void seededDraws()
    {
        QFETCH(Exercise, exercise);
        QFETCH(int, level);
        Practice p(1);
        QStringList tasks;
        for (int i = 0; i < 2; ++i)
            tasks << text(p.next(exercise, level));
        QTEST(tasks.join(' '), "tasks");
    }
    // A task drawn again straight after itself, at the level with the fewest tasks.
    void noImmediateRepeat()
    {
        Practice p(7);
        for (int i = 0; i < 4000; ++i) {
            const Task before = p.task();
            QVERIFY(p.next(i < 2000 ? ShowNumber : ReadFrame, 5) != before);
        }
    }
};

QTEST_APPLESS_MAIN(TestPractice)
#include "tst_practice.moc"
