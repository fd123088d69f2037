#include "board/board.h"
#include "testkit.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace board;
using enum BeadKind;

namespace {
constexpr int UpperBeadWorth = 5;
constexpr int RandomSteps = 20000;
const QString BeadNames = QStringLiteral("12345OI"); // in BeadKind order

// A board played as a pupil plays it: a press, then a click if the bead is still under the pointer.
struct Frame
{
    Board board;
    std::array<bool, ImageCount + 1> counted{}; // by image; every bead starts at rest
    void act(int image, Gesture gesture)
    {
        for (const BeadMove &move : board.act(image, gesture))
            counted[move.image] = move.top == topOf(beadOfImage(move.image).kind, Place::Counted);
    }
    void gesture(int image)
    {
        const bool before = counted[image];
        act(image, Gesture::Press);
        if (counted[image] == before)
            act(image, Gesture::Click);
    }
    QString beadsAtBeam(int rod) const
    {
        QString names;
        for (int k = 0; k < BeadKindCount; ++k)
            names += counted[imageOf({rod, BeadKind(k)})] ? BeadNames.mid(k, 1) : QString();
        return names;
    }
};
} // namespace

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void imageNumbering_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<Bead>("bead");
        row("Image1 is the bottom bead of the rightmost rod", 1, Bead{0, Lower1});
        row("Image6 starts the second rod from the right", 6, Bead{1, Lower1});
        row("Image76 is the outer bead of the rightmost rod", 76, Bead{0, Outer});
        row("Image105 is the inner bead of the leftmost rod", 105, Bead{14, Inner});
    }
    void imageNumbering()
    {
        QFETCH(int, image);
        QFETCH(Bead, bead);
        QCOMPARE(beadOfImage(image), bead);
        QCOMPARE(imageOf(bead), image);
    }
    // Each image to a bead and back; with as many images as beads, none is shared or left out.
    void everyImageIsOneBead()
    {
        for (int image = 1; image <= ImageCount; ++image)
            QCOMPARE(imageOf(beadOfImage(image)), image);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, beadOfImage(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, beadOfImage(ImageCount + 1));
    }
    // Press: the bead and those farther from the beam go to rest. Click: it and nearer ones count.
    void beadRule_data()
    {
        QTest::addColumn<BeadKind>("kind");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("deckValue"); // a press keeps a lower count
        const char *const names[]{"lower bead 1", "lower bead 2", "lower bead 3", "lower bead 4",
                                  "lower bead 5", "outer bead",   "inner bead"};
        constexpr int pressValues[]{4, 3, 2, 1, 0, 5, 0}, clickValues[]{5, 4, 3, 2, 1, 10, 5};
        for (int k = 0; k < BeadKindCount; ++k) {
            QTest::addRow("press %s", names[k]) << BeadKind(k) << Gesture::Press << pressValues[k];
            QTest::addRow("click %s", names[k]) << BeadKind(k) << Gesture::Click << clickValues[k];
        }
    }
    void beadRule()
    {
        QFETCH(BeadKind, kind);
        QFETCH(Gesture, gesture);
        QFETCH(int, deckValue);
        const bool upper = deckOf(kind) == Deck::Upper, press = gesture == Gesture::Press;
        const int worth = upper ? UpperBeadWorth : 1;
        const BeadKind farEnd = upper ? Outer : Lower1, nearEnd = upper ? Inner : Lower5;
        const Place place = press ? Place::Rest : Place::Counted;
        for (int rod = 0; rod < RodCount; ++rod)
            for (int count = 0; count <= int(nearEnd) - int(farEnd) + 1; ++count) {
                Board board; // `count` beads of this deck at the beam
                if (count > 0)
                    board.act(imageOf({rod, BeadKind(int(nearEnd) + 1 - count)}), Gesture::Click);
                QList<int> moved, expected;
                for (const BeadMove &move : board.act(imageOf({rod, kind}), gesture)) {
                    QCOMPARE(move.top, topOf(beadOfImage(move.image).kind, place));
                    moved.append(move.image);
                }
                for (int k = int(press ? farEnd : kind); k <= int(press ? kind : nearEnd); ++k)
                    expected.append(imageOf({rod, BeadKind(k)}));
                std::sort(moved.begin(), moved.end());
                QCOMPARE(moved, expected);
                const int value = press ? std::min(count * worth, deckValue) : deckValue;
                QCOMPARE(upper ? board.UpperValue(rod) : board.LowerValue(rod), value);
                QCOMPARE(board.RodValue(rod), value);
                QCOMPARE(board.total(), value);
            }
    }
    void gestures_data()
    {
        QTest::addColumn<QList<BeadKind>>("beads");
        QTest::addColumn<QString>("atBeam");
        QTest::addColumn<int>("rodValue");
        row("lower bead 3 from rest brings beads 3 to 5", QList{Lower3}, "345", 3);
        row("then lower bead 4 sends beads 3 and 4 back", QList{Lower3, Lower4}, "5", 1);
        row("outer bead from rest brings both", QList{Outer}, "OI", 10);
        row("inner bead from rest brings only it", QList{Inner}, "I", 5);
        row("outer bead from the beam sends only it back", QList{Outer, Outer}, "I", 5);
        row("inner bead from the beam sends both back", QList{Outer, Inner}, "", 0);
        row("every bead at the beam is fifteen", QList{Outer, Lower1}, "12345OI", 15);
    }
    void gestures()
    {
        QFETCH(QList<BeadKind>, beads);
        QFETCH(QString, atBeam);
        QFETCH(int, rodValue);
        Frame frame;
        for (BeadKind kind : beads)
            frame.gesture(imageOf({0, kind}));
        QCOMPARE(frame.beadsAtBeam(0), atBeam);
        QCOMPARE(frame.board.RodValue(0), rodValue);
        QCOMPARE(frame.board.total(), rodValue);
    }
    // Whole gestures mixed with lone presses (pointer moved off before release): on every rod the
    // beads at the beam are those nearest it, and the values count them.
    void randomGesturesKeepRodsConsistent()
    {
        QRandomGenerator random(20261206);
        Frame frame;
        int total = 0;
        for (int step = 0; step < RandomSteps; ++step) {
            const int image = int(random.bounded(1, ImageCount + 1));
            const int rod = beadOfImage(image).rod;
            total -= frame.board.RodValue(rod);
            random.bounded(4) == 0 ? frame.act(image, Gesture::Press) : frame.gesture(image);
            const QString at = frame.beadsAtBeam(rod);
            const int upper = int(at.count(u'O') + at.count(u'I')), lower = int(at.size()) - upper;
            QCOMPARE(at, BeadNames.mid(LowerBeadCount - lower, lower) + BeadNames.right(upper));
            QCOMPARE(frame.board.LowerValue(rod), lower);
            QCOMPARE(frame.board.UpperValue(rod), UpperBeadWorth * upper);
            QCOMPARE(frame.board.RodValue(rod), lower + UpperBeadWorth * upper);
            total += frame.board.RodValue(rod);
            QCOMPARE(frame.board.total(), total);
        }
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
