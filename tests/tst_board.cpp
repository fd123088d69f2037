#include "board/board.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

using namespace board;
using enum BeadKind;
Q_DECLARE_METATYPE(board::BeadKind)
Q_DECLARE_METATYPE(board::Gesture)

namespace {

// A board with the bead places beside it, played as a pupil plays it: a press, then a click only
// if the pressed bead is still under the pointer.
struct Frame
{
    Board board;
    std::array<float, ImageCount> tops{};

    Frame()
    {
        for (int image = 1; image <= ImageCount; ++image)
            tops[image - 1] = topOf(beadOfImage(image).kind, Place::Rest);
    }
    void act(int image, Gesture gesture)
    {
        for (const BeadMove &move : board.act(image, gesture))
            tops[move.image - 1] = move.top;
    }
    void gesture(int image)
    {
        const float before = tops[image - 1];
        act(image, Gesture::Press);
        if (tops[image - 1] == before)
            act(image, Gesture::Click);
    }
    bool atBeam(int rod, BeadKind kind) const
    {
        return tops[imageOf({rod, kind}) - 1] == topOf(kind, Place::Counted);
    }
    int beadsAtBeam(int rod, BeadKind first, BeadKind last) const
    {
        int count = 0;
        for (int k = int(first); k <= int(last); ++k)
            count += atBeam(rod, BeadKind(k)) ? 1 : 0;
        return count;
    }
};

int image(int rod, BeadKind kind)
{
    return imageOf({rod, kind});
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void imageNumbering_data();
    void imageNumbering();
    void everyImageIsOneBead();
    void beadRule_data();
    void beadRule();
    void gestures_data();
    void gestures();
    void randomGesturesKeepRodsConsistent();
};

void TestBoard::imageNumbering_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("rod");
    QTest::addColumn<BeadKind>("kind");
    QTest::newRow("Image1 is the bottom bead of the rightmost rod") << 1 << 0 << Lower1;
    QTest::newRow("Image5 is next to the beam on the rightmost rod") << 5 << 0 << Lower5;
    QTest::newRow("Image6 starts the second rod from the right") << 6 << 1 << Lower1;
    QTest::newRow("Image75 is next to the beam on the leftmost rod") << 75 << 14 << Lower5;
    QTest::newRow("Image76 is the outer bead of the rightmost rod") << 76 << 0 << Outer;
    QTest::newRow("Image77 is the inner bead of the rightmost rod") << 77 << 0 << Inner;
    QTest::newRow("Image104 is the outer bead of the leftmost rod") << 104 << 14 << Outer;
    QTest::newRow("Image105 is the inner bead of the leftmost rod") << 105 << 14 << Inner;
}

void TestBoard::imageNumbering()
{
    QFETCH(int, image);
    QFETCH(int, rod);
    QFETCH(BeadKind, kind);
    QCOMPARE(beadOfImage(image), (Bead{rod, kind}));
    QCOMPARE(imageOf({rod, kind}), image);
    QCOMPARE(beadLeft(rod), 7200 - 480 * rod);
}

void TestBoard::everyImageIsOneBead()
{
    std::vector<bool> seen(ImageCount + 1);
    for (int rod = 0; rod < RodCount; ++rod) {
        for (int k = 0; k < BeadKindCount; ++k) {
            const int n = imageOf({rod, BeadKind(k)});
            QVERIFY(n >= 1 && n <= ImageCount);
            QVERIFY2(!seen[n], qPrintable(QStringLiteral("image %1 used twice").arg(n)));
            seen[n] = true;
            QCOMPARE(beadOfImage(n), (Bead{rod, BeadKind(k)}));
        }
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, beadOfImage(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, beadOfImage(106));
}

// Each bead kind by each action, on every rod, from every consistent starting state of its deck:
// which beads move where, and the deck and rod values afterwards.
void TestBoard::beadRule_data()
{
    QTest::addColumn<BeadKind>("kind");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QList<int>>("toRest");    // bead kinds moved to rest
    QTest::addColumn<QList<int>>("toCounted"); // bead kinds moved to the beam
    QTest::addColumn<int>("deckValue");        // the table's value; a press never raises the count

    const auto kinds = [](std::initializer_list<BeadKind> list) {
        QList<int> result;
        for (BeadKind k : list)
            result.append(int(k));
        return result;
    };
    QTest::newRow("press lower bead 1")
        << Lower1 << Gesture::Press << kinds({Lower1}) << QList<int>{} << 4;
    QTest::newRow("press lower bead 2")
        << Lower2 << Gesture::Press << kinds({Lower1, Lower2}) << QList<int>{} << 3;
    QTest::newRow("press lower bead 3")
        << Lower3 << Gesture::Press << kinds({Lower1, Lower2, Lower3}) << QList<int>{} << 2;
    QTest::newRow("press lower bead 4")
        << Lower4 << Gesture::Press << kinds({Lower1, Lower2, Lower3, Lower4}) << QList<int>{} << 1;
    QTest::newRow("press lower bead 5")
        << Lower5 << Gesture::Press << kinds({Lower1, Lower2, Lower3, Lower4, Lower5})
        << QList<int>{} << 0;
    QTest::newRow("press outer bead")
        << Outer << Gesture::Press << kinds({Outer}) << QList<int>{} << 5;
    QTest::newRow("press inner bead")
        << Inner << Gesture::Press << kinds({Outer, Inner}) << QList<int>{} << 0;
    QTest::newRow("click lower bead 1") << Lower1 << Gesture::Click << QList<int>{}
                                        << kinds({Lower1, Lower2, Lower3, Lower4, Lower5}) << 5;
    QTest::newRow("click lower bead 2")
        << Lower2 << Gesture::Click << QList<int>{} << kinds({Lower2, Lower3, Lower4, Lower5}) << 4;
    QTest::newRow("click lower bead 3")
        << Lower3 << Gesture::Click << QList<int>{} << kinds({Lower3, Lower4, Lower5}) << 3;
    QTest::newRow("click lower bead 4")
        << Lower4 << Gesture::Click << QList<int>{} << kinds({Lower4, Lower5}) << 2;
    QTest::newRow("click lower bead 5")
        << Lower5 << Gesture::Click << QList<int>{} << kinds({Lower5}) << 1;
    QTest::newRow("click outer bead")
        << Outer << Gesture::Click << QList<int>{} << kinds({Outer, Inner}) << 10;
    QTest::newRow("click inner bead")
        << Inner << Gesture::Click << QList<int>{} << kinds({Inner}) << 5;
}

void TestBoard::beadRule()
{
    QFETCH(BeadKind, kind);
    QFETCH(Gesture, gesture);
    QFETCH(QList<int>, toRest);
    QFETCH(QList<int>, toCounted);
    QFETCH(int, deckValue);
    const bool upper = deckOf(kind) == Deck::Upper;
    const BeadKind deckFirst = upper ? Outer : Lower1;
    const int deckBeads = upper ? 2 : 5;
    const int beadWorth = upper ? 5 : 1;

    for (int rod = 0; rod < RodCount; ++rod) {
        // Every consistent count of this deck, with the other deck at 2 beads (lower) or 5.
        for (int count = 0; count <= deckBeads; ++count) {
            Frame frame;
            frame.gesture(image(rod, upper ? Lower4 : Inner));
            for (int c = 0; c < count; ++c) // the beads next to the beam, one by one
                frame.gesture(image(rod, BeadKind(int(deckFirst) + deckBeads - 1 - c)));
            const int before = count * beadWorth;
            const int other = upper ? frame.board.LowerValue(rod) : frame.board.UpperValue(rod);
            QCOMPARE(upper ? frame.board.UpperValue(rod) : frame.board.LowerValue(rod), before);

            const Moves moves = frame.board.act(image(rod, kind), gesture);
            QList<int> movedToRest;
            QList<int> movedToCounted;
            for (const BeadMove &move : moves) {
                const Bead bead = beadOfImage(move.image);
                QCOMPARE(bead.rod, rod);
                const Place place =
                    move.top == topOf(bead.kind, Place::Rest) ? Place::Rest : Place::Counted;
                QCOMPARE(move.top, topOf(bead.kind, place));
                (place == Place::Rest ? movedToRest : movedToCounted).append(int(bead.kind));
            }
            std::sort(movedToRest.begin(), movedToRest.end());
            std::sort(movedToCounted.begin(), movedToCounted.end());
            QCOMPARE(movedToRest, toRest);
            QCOMPARE(movedToCounted, toCounted);

            const int expected =
                gesture == Gesture::Press ? std::min(before, deckValue) : deckValue;
            QCOMPARE(upper ? frame.board.UpperValue(rod) : frame.board.LowerValue(rod), expected);
            QCOMPARE(frame.board.RodValue(rod), other + expected);
            for (int r = 0; r < RodCount; ++r)
                if (r != rod)
                    QCOMPARE(frame.board.RodValue(r), 0);
        }
    }
}

// Whole gestures (press, then click if the bead stayed under the pointer) on rod 0.
void TestBoard::gestures_data()
{
    QTest::addColumn<QList<BeadKind>>("beads");
    QTest::addColumn<int>("lowerAtBeam");
    QTest::addColumn<int>("upperAtBeam");
    QTest::addColumn<int>("rodValue");
    QTest::newRow("lower bead 3 from rest brings beads 3 to 5") << QList{Lower3} << 3 << 0 << 3;
    QTest::newRow("then lower bead 4 sends beads 3 and 4 back")
        << QList{Lower3, Lower4} << 1 << 0 << 1;
    QTest::newRow("outer bead from rest brings both") << QList{Outer} << 0 << 2 << 10;
    QTest::newRow("inner bead from rest brings only it") << QList{Inner} << 0 << 1 << 5;
    QTest::newRow("outer bead from the beam sends only it back")
        << QList{Outer, Outer} << 0 << 1 << 5;
    QTest::newRow("inner bead from the beam sends both back") << QList{Outer, Inner} << 0 << 0 << 0;
    QTest::newRow("every bead at the beam is fifteen") << QList{Outer, Lower1} << 5 << 2 << 15;
    QTest::newRow("lower bead 1 at the beam goes back alone")
        << QList{Lower1, Lower1} << 4 << 0 << 4;
    QTest::newRow("topmost bead at rest joins the others") << QList{Lower4, Lower3} << 3 << 0 << 3;
}

void TestBoard::gestures()
{
    QFETCH(QList<BeadKind>, beads);
    QFETCH(int, lowerAtBeam);
    QFETCH(int, upperAtBeam);
    QFETCH(int, rodValue);
    Frame frame;
    for (BeadKind kind : beads)
        frame.gesture(image(0, kind));
    QCOMPARE(frame.beadsAtBeam(0, Lower1, Lower5), lowerAtBeam);
    QCOMPARE(frame.beadsAtBeam(0, Outer, Inner), upperAtBeam);
    QCOMPARE(frame.board.RodValue(0), rodValue);
    QCOMPARE(frame.board.total(), rodValue);
}

// Any mix of whole gestures and lone presses (pointer moved off before release) leaves every rod
// consistent: the beads at the beam are those nearest it, and the values count them.
void TestBoard::randomGesturesKeepRodsConsistent()
{
    QRandomGenerator random(20261206);
    Frame frame;
    for (int step = 0; step < 20000; ++step) {
        const int n = int(random.bounded(1, ImageCount + 1));
        if (random.bounded(4) == 0)
            frame.act(n, Gesture::Press);
        else
            frame.gesture(n);

        const int rod = beadOfImage(n).rod;
        const int lower = frame.beadsAtBeam(rod, Lower1, Lower5);
        for (int k = 0; k < LowerBeadCount; ++k)
            QCOMPARE(frame.atBeam(rod, BeadKind(k)), k >= LowerBeadCount - lower);
        QVERIFY(!frame.atBeam(rod, Outer) || frame.atBeam(rod, Inner));
        QCOMPARE(frame.board.LowerValue(rod), lower);
        QCOMPARE(frame.board.UpperValue(rod), 5 * frame.beadsAtBeam(rod, Outer, Inner));
        QCOMPARE(frame.board.RodValue(rod),
                 frame.board.LowerValue(rod) + frame.board.UpperValue(rod));
    }
    int sum = 0;
    for (int rod = 0; rod < RodCount; ++rod)
        sum += frame.board.RodValue(rod);
    QCOMPARE(frame.board.total(), sum);
}

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
