#include "board/board.h"
#include "testkit.h"

#include <QRandomGenerator>
#include <QTest>

using namespace board;
using enum BeadKind;

// Top edges in twips by BeadKind: lower beads 1 (bottom) to 5, then the outer and the inner bead.
constexpr float RestTop[]{4920, 4680, 4440, 4200, 3960, 240, 480};
constexpr float CountedTop[]{3000, 2760, 2520, 2280, 2040, 1320, 1560};
const QString BeadNames = QStringLiteral("12345OI"); // in BeadKind order

// A board, and the top edge that its actions last gave each bead image (0: never moved).
struct Frame
{
    Board board;
    std::array<float, ImageCount + 1> top{};
    void act(int image, Gesture gesture)
    {
        for (const BeadMove &move : board.act(image, gesture))
            top[move.image] = move.top;
    }
    // A rod's beads at the beam ('?' for one at neither place) and its values: "45I 5+2=7".
    QString state(int rod) const
    {
        QString names;
        for (int k = 0; k < BeadKindCount; ++k) {
            const float at = top[imageOf({rod, BeadKind(k)})];
            if (at != RestTop[k] && at != 0)
                names += at == CountedTop[k] ? BeadNames[k] : u'?';
        }
        return names + QString::asprintf(" %d+%d=%d", board.UpperValue(rod), board.LowerValue(rod),
                                         board.RodValue(rod));
    }
};

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    // Lower beads rod by rod from the right, bottom up, then upper beads; image to bead and back.
    void imageNumbering()
    {
        QCOMPARE(beadOfImage(105), (Bead{14, Inner}));
        for (int image = 1; image <= ImageCount; ++image)
            QCOMPARE(imageOf(beadOfImage(image)), image);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, beadOfImage(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, beadOfImage(ImageCount + 1));
    }
    // The rightmost rod after a click on a fresh board, then a press with the whole deck there.
    void beadRule_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("states");
        row("Image1, lower bead 1", 1, "12345 0+5=5, then 2345 0+4=4");
        row("Image2, lower bead 2", 2, "2345 0+4=4, then 345 0+3=3");
        row("Image3, lower bead 3", 3, "345 0+3=3, then 45 0+2=2");
        row("Image4, lower bead 4", 4, "45 0+2=2, then 5 0+1=1");
        row("Image5, lower bead 5", 5, "5 0+1=1, then  0+0=0");
        row("Image76, outer bead", 76, "OI 10+0=10, then I 5+0=5");
        row("Image77, inner bead", 77, "I 5+0=5, then  0+0=0");
    }
    void beadRule()
    {
        QFETCH(int, image);
        QFETCH(QString, states);
        Frame frame;
        frame.act(image, Gesture::Click);
        const QString afterClick = frame.state(0);
        frame.act(image < 76 ? 1 : 76, Gesture::Click);
        frame.act(image, Gesture::Press);
        QCOMPARE(afterClick + ", then " + frame.state(0), states);
    }
    // The arrow keys' steps: Left to the rod on the left as seen, Up and Down along the rod and
    // across the beam, none off the frame. Faults: a swapped direction, a wrap, a skipped bead.
    void focusSteps_data()
    {
        QTest::addColumn<Bead>("from");
        QTest::addColumn<Step>("step");
        QTest::addColumn<Bead>("to");
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
    // Gestures and lone presses keep the beads nearest the beam at the beam; the values count them.
    void randomGesturesKeepRodsConsistent()
    {
        QRandomGenerator random(20261206);
        Frame frame;
        int total = 0;
        for (int step = 0; step < 20000; ++step) {
            const int image = int(random.bounded(1, ImageCount + 1)), rod = beadOfImage(image).rod;
            const float before = frame.top[image];
            total -= frame.board.RodValue(rod);
            frame.act(image, Gesture::Press);
            if ((before == 0 || frame.top[image] == before) && random.bounded(4) != 0) // it stayed
                frame.act(image, Gesture::Click);
            const int lower = frame.board.LowerValue(rod), upper = frame.board.UpperValue(rod) / 5;
            QCOMPARE(frame.state(rod),
                     BeadNames.mid(LowerBeadCount - lower, lower) + BeadNames.right(upper) +
                         QString::asprintf(" %d+%d=%d", 5 * upper, lower, 5 * upper + lower));
            total += frame.board.RodValue(rod);
            QCOMPARE(frame.board.total(), total);
        }
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
