#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

#include <memory>

using namespace driver;
using enum board::BeadKind;
using board::BeadKind;

namespace {

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

std::unique_ptr<Form1> shownForm()
{
    auto form = std::make_unique<Form1>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->show();
    return QTest::qWaitForWindowExposed(form.get()) ? std::move(form) : nullptr;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void freshWindow();
    void pressGoesToTheVisibleBead_data();
    void pressGoesToTheVisibleBead();
    void gestures_data();
    void gestures();
    void pressWithoutClick();
    void readOutInBothBases();
    void typedNumberInBase16_data();
    void typedNumberInBase16();
    void numberTooLargeForBase16();
    void pastedMegabyte();
    void windowKeepsControlsInPlace();
};

void TestForm1::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("shown");
    // clang-format off
    QTest::newRow("Hide Answers") << "ComHide" << twips(8040, 1080, 1095, 495) << "&Hide Answers" << true;
    QTest::newRow("View Answers") << "ComView" << twips(8040, 1680, 1095, 495) << "&View Answers" << true;
    QTest::newRow("Hexadecimal button") << "ComHex" << twips(8040, 2520, 1095, 495) << "Hexa&Decimal" << true;
    QTest::newRow("Base 10 button") << "ComBase" << twips(8040, 2520, 1095, 495) << "&Base 10" << false;
    QTest::newRow("Reset") << "ComReset" << twips(8160, 3600, 855, 375) << "&Reset" << true;
    QTest::newRow("Exit") << "ComExit" << twips(8160, 4080, 855, 375) << "&Exit" << true;
    QTest::newRow("Base 10 label") << "LabBase" << twips(8400, 4680, 735, 375) << "Base 10" << true;
    QTest::newRow("Hexadecimal label") << "LabHex" << twips(8160, 4680, 1215, 255) << "Hexadecimal" << false;
    QTest::newRow("total") << "TextBin" << twips(8040, 5040, 1335, 375) << "" << true;
    QTest::newRow("rightmost rod value") << "Label1(0)" << twips(7320, 5760, 375, 255) << "0" << true;
    QTest::newRow("leftmost rod value") << "Label1(14)" << twips(600, 5760, 375, 255) << "0" << true;
    QTest::newRow("top of the frame") << "Line3" << QRect(14, 22, 517, 5) << "" << true;
    QTest::newRow("left of the frame") << "Line1" << QRect(14, 22, 5, 333) << "" << true;
    QTest::newRow("the beam") << "Line5" << QRect(14, 134, 517, 5) << "" << true;
    QTest::newRow("rightmost wire") << "Line6" << QRect(496, 24, 2, 330) << "" << true;
    QTest::newRow("leftmost wire") << "Line20" << QRect(48, 24, 2, 330) << "" << true;
    // clang-format on
}

void TestForm1::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    QFETCH(bool, shown);
    auto form = shownForm();
    QVERIFY(form);
    auto *control = form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(control->isVisible(), shown);
    QCOMPARE(control->property("text").toString(), caption); // lines have none: empty
}

void TestForm1::freshWindow()
{
    auto form = shownForm();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), "Quillmere Version 1.05 - By Corwynne");
    QCOMPARE(form->centralWidget()->size(), QSize(632, 434));
    QCOMPARE(form->centralWidget()->grab().toImage().pixelColor(2, 2), QColor(128, 64, 64));
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(!showsBase16(form.get()));

    // Every bead at its rest place, in its rod's column; the rod's wire and label line up.
    for (int image = 1; image <= board::ImageCount; ++image) {
        const board::Bead b = board::beadOfImage(image);
        const int rest =
            b.kind <= Lower5 ? 4920 - 240 * int(b.kind) : (b.kind == Outer ? 240 : 480);
        QCOMPARE(bead(form.get(), b.rod, b.kind)->geometry(),
                 twips(7200 - 480 * b.rod, rest, 495, 495));
    }
    for (int rod = 0; rod < board::RodCount; ++rod) {
        const auto *wire = form->findChild<QWidget *>(QStringLiteral("Line%1").arg(6 + rod));
        QVERIFY(qAbs(wire->geometry().center().x() -
                     bead(form.get(), rod, Lower1)->geometry().center().x()) <= 1);
        QCOMPARE(rodLabel(form.get(), rod)->geometry(), twips(7320 - 480 * rod, 5760, 375, 255));
        QCOMPARE(rodLabel(form.get(), rod)->text(), "0");
    }

    // The focus starts on View Answers and runs in tab-index order.
    QStringList order;
    for (QWidget *widget = form->focusWidget(); order.size() < 6;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisible())
            order << widget->objectName();
    }
    QCOMPARE(order,
             QStringList({"ComView", "ComHide", "ComReset", "ComExit", "ComHex", "TextBin"}));
}

// Bead pictures overlap; a press goes to the bead whose body is under the pointer, and a press on
// a transparent margin goes to what lies below.
void TestForm1::pressGoesToTheVisibleBead_data()
{
    QTest::addColumn<BeadKind>("kind");
    QTest::addColumn<int>("down"); // twips below the picture's top edge
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("bottom bead's body, inside the next bead's box") << Lower1 << 180 << "Image1";
    QTest::newRow("bottom bead's transparent top margin") << Lower1 << 30 << "Image2";
    QTest::newRow("below the bottom bead's body") << Lower1 << 480 << "client";
    QTest::newRow("outer bead's body") << Outer << 255 << "Image76";
    QTest::newRow("inner bead's body") << Inner << 255 << "Image77";
    // clang-format on
}

void TestForm1::pressGoesToTheVisibleBead()
{
    QFETCH(BeadKind, kind);
    QFETCH(int, down);
    QFETCH(QString, expected);
    auto form = shownForm();
    QVERIFY(form);
    QWidget *hit = form->childAt(beadPoint(form.get(), 0, kind, down));
    QCOMPARE(hit ? hit->objectName() : QString(), expected);
}

void TestForm1::gestures_data()
{
    QTest::addColumn<int>("rod");
    QTest::addColumn<QList<BeadKind>>("beads");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("lowerAtBeam");
    QTest::addColumn<int>("upperAtBeam");
    // clang-format off
    QTest::newRow("bead at rest comes to the beam with those above it") << 0 << QList{Lower3} << Qt::LeftButton << 3 << 0;
    QTest::newRow("bead at the beam goes to rest with those below it, no click") << 0 << QList{Lower3, Lower4} << Qt::LeftButton << 1 << 0;
    QTest::newRow("leftmost rod") << 14 << QList{Lower5, Inner} << Qt::LeftButton << 1 << 1;
    QTest::newRow("right button acts like the left") << 7 << QList{Lower2} << Qt::RightButton << 4 << 0;
    QTest::newRow("outer bead from rest brings both upper beads") << 3 << QList{Outer} << Qt::LeftButton << 0 << 2;
    QTest::newRow("outer bead at the beam goes back alone") << 3 << QList{Outer, Outer} << Qt::MiddleButton << 0 << 1;
    // clang-format on
}

void TestForm1::gestures()
{
    QFETCH(int, rod);
    QFETCH(QList<BeadKind>, beads);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, lowerAtBeam);
    QFETCH(int, upperAtBeam);
    auto form = shownForm();
    QVERIFY(form);
    for (BeadKind kind : beads)
        clickBead(form.get(), rod, kind, button);

    for (int k = 0; k < board::LowerBeadCount; ++k)
        QCOMPARE(atBeam(form.get(), rod, BeadKind(k)), k >= board::LowerBeadCount - lowerAtBeam);
    QCOMPARE(atBeam(form.get(), rod, Inner), upperAtBeam >= 1);
    QCOMPARE(atBeam(form.get(), rod, Outer), upperAtBeam == 2);
    const QString value = QString::number(lowerAtBeam + 5 * upperAtBeam);
    QCOMPARE(rodLabel(form.get(), rod)->text(), value);
    QCOMPARE(textBin(form.get())->text(), value);
}

void TestForm1::pressWithoutClick()
{
    auto form = shownForm();
    QVERIFY(form);
    QWindow *window = form->windowHandle();

    // Held on a bead at rest, then released off it: nothing moves and the rod still reads 0.
    QTest::mousePress(window, Qt::LeftButton, {}, beadPoint(form.get(), 0, Lower3));
    QCOMPARE(rodLabel(form.get(), 0)->text(), "0");
    QTest::mouseRelease(window, Qt::LeftButton, {},
                        beadPoint(form.get(), 0, Lower3) + QPoint(0, 60));
    QCOMPARE(rodLabel(form.get(), 0)->text(), "0");
    QVERIFY(!atBeam(form.get(), 0, Lower3));
    QTest::mousePress(window, Qt::LeftButton, {}, beadPoint(form.get(), 0, Outer));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(form->board().UpperValue(0), 0);

    // A double click: the first click brings beads 3 to 5 to the beam; the second press lands on
    // bead 2, whose body the pointer was also over, and acts as a press, its release as a click.
    QTest::mouseDClick(window, Qt::LeftButton, {}, beadPoint(form.get(), 0, Lower3, 360));
    QCOMPARE(rodLabel(form.get(), 0)->text(), "4");
}

void TestForm1::readOutInBothBases()
{
    auto form = shownForm();
    QVERIFY(form);
    press(form.get(), "ComHex");
    QVERIFY(showsBase16(form.get()));
    QCOMPARE(textBin(form.get())->text(), "0");

    // A gesture brings the read-out back to base 10.
    for (int rod = 0; rod < board::RodCount; ++rod) {
        clickBead(form.get(), rod, Outer);
        clickBead(form.get(), rod, Lower1);
    }
    QVERIFY(!showsBase16(form.get()));
    QCOMPARE(textBin(form.get())->text(), "225");

    press(form.get(), "ComHex");
    QVERIFY(showsBase16(form.get()));
    QCOMPARE(textBin(form.get())->text(), "E1");
    for (int rod = 0; rod < board::RodCount; ++rod)
        QCOMPARE(rodLabel(form.get(), rod)->text(), "F");

    // Text typed in base 16 gives way to the decimal total.
    textBin(form.get())->setText(QStringLiteral("77"));
    press(form.get(), "ComBase");
    QVERIFY(!showsBase16(form.get()));
    QCOMPARE(textBin(form.get())->text(), "225");
    QCOMPARE(rodLabel(form.get(), 14)->text(), "15");
}

// Rods 2 and 9 read 1 and 2; the pupil types into the total and asks for base 16.
void TestForm1::typedNumberInBase16_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("the total as written") << "3" << "3";
    QTest::newRow("a typed number") << "255" << "FF";
    QTest::newRow("half rounds down to even") << "12.5" << "C";
    QTest::newRow("half rounds up to even") << "13.5" << "E";
    QTest::newRow("letters read as zero") << "abc" << "0";
    QTest::newRow("empty reads as zero") << "" << "0";
    QTest::newRow("minus one in two's complement") << "-1" << "FFFFFFFF";
    QTest::newRow("blank inside the number") << "1 0" << "A";
    QTest::newRow("hexadecimal prefix") << "&H1F" << "1F";
    QTest::newRow("only eight characters are taken") << "1234567890" << "BC614E";
    // clang-format on
}

void TestForm1::typedNumberInBase16()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto form = shownForm();
    QVERIFY(form);
    clickBead(form.get(), 2, Lower5);
    clickBead(form.get(), 9, Lower4);
    QCOMPARE(textBin(form.get())->text(), "3");

    textBin(form.get())->clear();
    QTest::keyClicks(textBin(form.get()), typed);
    press(form.get(), "ComHex");
    QCOMPARE(textBin(form.get())->text(), shown);
    QVERIFY(showsBase16(form.get()));
    QCOMPARE(rodLabel(form.get(), 9)->text(), "2");
}

void TestForm1::numberTooLargeForBase16()
{
    auto form = shownForm();
    QVERIFY(form);
    QStringList boxes;
    platform::setMessageBoxHandler(
        [&](const platform::MessageBoxCall &call) { boxes << call.text; });
    const auto restore = qScopeGuard([] { platform::setMessageBoxHandler({}); });

    clickBead(form.get(), 4, Inner);
    textBin(form.get())->setText(QStringLiteral("1E10"));
    press(form.get(), "ComHex");

    QCOMPARE(boxes, QStringList{"The number is too large to show in base 16."});
    QVERIFY(!showsBase16(form.get()));
    QCOMPARE(textBin(form.get())->text(), "1E10");
    QCOMPARE(rodLabel(form.get(), 4)->text(), "5");
}

void TestForm1::pastedMegabyte()
{
    auto form = shownForm();
    QVERIFY(form);
    QApplication::clipboard()->setText(QStringLiteral("9").repeated(1 << 20));
    QElapsedTimer timer;
    timer.start();
    textBin(form.get())->setFocus();
    QTest::keyClick(textBin(form.get()), Qt::Key_V, Qt::ControlModifier);
    press(form.get(), "ComHex");
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(textBin(form.get())->text(), "5F5E0FF"); // 99999999, the eight characters kept
}

void TestForm1::windowKeepsControlsInPlace()
{
    auto form = shownForm();
    QVERIFY(form);
    const QRect exitRect = form->findChild<QWidget *>(QStringLiteral("ComExit"))->geometry();
    form->resize(1000, 800);
    QTRY_COMPARE(form->centralWidget()->width(), 1000);
    QCOMPARE(form->findChild<QWidget *>(QStringLiteral("ComExit"))->geometry(), exitRect);
    form->resize(300, 200);
    QTRY_COMPARE(form->width(), 300);
    QCOMPARE(bead(form.get(), 0, Lower1)->geometry(), twips(7200, 4920, 495, 495));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
