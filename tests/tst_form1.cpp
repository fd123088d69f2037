#include "mainwin/form1.h"
#include "platform/imagecontrol.h"
#include "platform/linecontrol.h"
#include "platform/messagebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using board::BeadKind;
using enum board::BeadKind;

namespace {

constexpr int Twips = 15;

QRect twips(int left, int top, int width, int height)
{
    return {left / Twips, top / Twips, width / Twips, height / Twips};
}

// A shown main window, destroyed at the end of the test.
std::unique_ptr<Form1> shownForm()
{
    auto form = std::make_unique<Form1>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

platform::ImageControl *bead(Form1 &form, int image)
{
    return form.findChild<platform::ImageControl *>(QStringLiteral("Image%1").arg(image));
}

int imageOf(int rod, BeadKind kind)
{
    return board::imageOf({rod, kind});
}

// A point on a bead picture, `down` twips below its top edge, in window coordinates: mouse input
// goes to the window, which hands it to whatever control is under the point, as real input does.
QPoint windowPoint(Form1 &form, int image, int down = 255)
{
    platform::ImageControl *control = bead(form, image);
    return control->mapTo(&form, QPoint(control->width() / 2, down / Twips));
}

void clickBead(Form1 &form, int image, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(form.windowHandle(), button, {}, windowPoint(form, image));
}

QString rodLabel(Form1 &form, int rod)
{
    return form.findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(rod))->text();
}

QLineEdit *textBin(Form1 &form)
{
    return form.findChild<QLineEdit *>(QStringLiteral("TextBin"));
}

bool visible(Form1 &form, const char *name)
{
    return form.findChild<QWidget *>(QLatin1String(name))->isVisible();
}

bool showsBase16(Form1 &form)
{
    const bool base16 = visible(form, "LabHex");
    if (visible(form, "LabBase") == base16 || visible(form, "ComBase") != base16 ||
        visible(form, "ComHex") == base16)
        qWarning("the base labels and buttons disagree");
    return base16;
}

bool atBeam(Form1 &form, int rod, BeadKind kind)
{
    return bead(form, imageOf(rod, kind))->top() == board::topOf(kind, board::Place::Counted);
}

// Brings every bead of every rod to the beam: each rod reads 15.
void fillBoard(Form1 &form)
{
    for (int rod = 0; rod < board::RodCount; ++rod) {
        clickBead(form, imageOf(rod, Outer));
        clickBead(form, imageOf(rod, Lower1));
    }
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void freshWindow();
    void beadsRestAtTheirPlaces();
    void wiresAndLabelsFollowTheRods();
    void pressGoesToTheVisibleBead_data();
    void pressGoesToTheVisibleBead();
    void gestures_data();
    void gestures();
    void pressReleasedOffTheBeadMovesNothing();
    void readOutInBothBases();
    void typedNumberInBase16_data();
    void typedNumberInBase16();
    void numberTooLargeForBase16();
    void gestureReturnsToBase10();
    void textBoxTakesEightCharacters();
    void windowKeepsControlsInPlace();
};

void TestForm1::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Hide Answers") << "ComHide" << twips(8040, 1080, 1095, 495) << "&Hide Answers"
                                  << true;
    QTest::newRow("View Answers") << "ComView" << twips(8040, 1680, 1095, 495) << "&View Answers"
                                  << true;
    QTest::newRow("Hexadecimal button")
        << "ComHex" << twips(8040, 2520, 1095, 495) << "Hexa&Decimal" << true;
    QTest::newRow("Base 10 button")
        << "ComBase" << twips(8040, 2520, 1095, 495) << "&Base 10" << false;
    QTest::newRow("Reset") << "ComReset" << twips(8160, 3600, 855, 375) << "&Reset" << true;
    QTest::newRow("Exit") << "ComExit" << twips(8160, 4080, 855, 375) << "&Exit" << true;
    QTest::newRow("Base 10 label") << "LabBase" << twips(8400, 4680, 735, 375) << "Base 10" << true;
    QTest::newRow("Hexadecimal label")
        << "LabHex" << twips(8160, 4680, 1215, 255) << "Hexadecimal" << false;
    QTest::newRow("total") << "TextBin" << twips(8040, 5040, 1335, 375) << "" << true;
    QTest::newRow("rightmost rod value")
        << "Label1(0)" << twips(7320, 5760, 375, 255) << "0" << true;
    QTest::newRow("leftmost rod value")
        << "Label1(14)" << twips(600, 5760, 375, 255) << "0" << true;
    QTest::newRow("top of the frame") << "Line3" << QRect(14, 22, 517, 5) << "" << true;
    QTest::newRow("left of the frame") << "Line1" << QRect(14, 22, 5, 333) << "" << true;
    QTest::newRow("the beam") << "Line5" << QRect(14, 134, 517, 5) << "" << true;
    QTest::newRow("rightmost wire") << "Line6" << QRect(496, 24, 2, 330) << "" << true;
    QTest::newRow("leftmost wire") << "Line20" << QRect(48, 24, 2, 330) << "" << true;
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
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        QCOMPARE(edit->text(), caption);
}

void TestForm1::freshWindow()
{
    auto form = shownForm();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), "Quillmere Version 1.05 - By Corwynne");
    QCOMPARE(form->centralWidget()->size(), QSize(632, 434));
    QCOMPARE(form->centralWidget()->palette().color(QPalette::Window), QColor(128, 64, 64));
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->focusWidget()->objectName(), "ComView");
    for (int rod = 0; rod < board::RodCount; ++rod)
        QCOMPARE(rodLabel(*form, rod), "0");
    QVERIFY(!showsBase16(*form));

    // Tab order among the controls that take the focus.
    QStringList order;
    QWidget *widget = form->findChild<QWidget *>(QStringLiteral("ComView"));
    for (int i = 0; i < 6; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(order,
             QStringList({"ComView", "ComHide", "ComReset", "ComExit", "ComHex", "TextBin"}));
}

void TestForm1::beadsRestAtTheirPlaces()
{
    auto form = shownForm();
    QVERIFY(form);
    for (int image = 1; image <= board::ImageCount; ++image) {
        const board::Bead b = board::beadOfImage(image);
        const int restTop =
            b.kind <= Lower5 ? 4920 - 240 * int(b.kind) : (b.kind == Outer ? 240 : 480);
        QCOMPARE(bead(*form, image)->geometry(), twips(7200 - 480 * b.rod, restTop, 495, 495));
        QCOMPARE(bead(*form, image)->top(), float(restTop));
    }
}

void TestForm1::wiresAndLabelsFollowTheRods()
{
    auto form = shownForm();
    QVERIFY(form);
    for (int rod = 0; rod < board::RodCount; ++rod) {
        auto *wire =
            form->findChild<platform::LineControl *>(QStringLiteral("Line%1").arg(6 + rod));
        QVERIFY(wire);
        const QRect beadRect = bead(*form, imageOf(rod, Lower1))->geometry();
        QVERIFY(qAbs(wire->geometry().center().x() - beadRect.center().x()) <= 1);
        auto *label = form->findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(rod));
        QCOMPARE(label->geometry(), twips(7320 - 480 * rod, 5760, 375, 255));
    }
}

// Bead pictures overlap; a press goes to the bead whose body is under the pointer, and a press on
// a transparent margin goes to what lies below.
void TestForm1::pressGoesToTheVisibleBead_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("down"); // twips below the image's top edge
    QTest::addColumn<QString>("expected");
    QTest::newRow("body of the bottom bead, inside the next bead's box") << 1 << 180 << "Image1";
    QTest::newRow("transparent top margin of the bottom bead") << 1 << 30 << "Image2";
    QTest::newRow("body of the outer bead") << 76 << 255 << "Image76";
    QTest::newRow("middle of the inner bead") << 77 << 255 << "Image77";
    QTest::newRow("below the bottom bead's body") << 1 << 480 << "client";
}

void TestForm1::pressGoesToTheVisibleBead()
{
    QFETCH(int, image);
    QFETCH(int, down);
    QFETCH(QString, expected);
    auto form = shownForm();
    QVERIFY(form);
    QWidget *hit = form->childAt(windowPoint(*form, image, down));
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), expected);
}

// Whole gestures with the mouse, each row from a fresh window.
void TestForm1::gestures_data()
{
    QTest::addColumn<int>("rod");
    QTest::addColumn<QList<BeadKind>>("beads");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("lowerAtBeam");
    QTest::addColumn<int>("upperAtBeam");
    QTest::newRow("bead at rest comes to the beam with those above it")
        << 0 << QList{Lower3} << Qt::LeftButton << 3 << 0;
    QTest::newRow("bead at the beam goes to rest with those below it, no click")
        << 0 << QList{Lower3, Lower4} << Qt::LeftButton << 1 << 0;
    QTest::newRow("leftmost rod answers in its own label")
        << 14 << QList{Lower5, Inner} << Qt::LeftButton << 1 << 1;
    QTest::newRow("right button moves beads like the left")
        << 7 << QList{Lower2} << Qt::RightButton << 4 << 0;
    QTest::newRow("outer bead from rest brings both upper beads")
        << 3 << QList{Outer} << Qt::LeftButton << 0 << 2;
    QTest::newRow("outer bead at the beam goes back alone")
        << 3 << QList{Outer, Outer} << Qt::MiddleButton << 0 << 1;
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
        clickBead(*form, imageOf(rod, kind), button);

    for (int k = 0; k < board::LowerBeadCount; ++k)
        QCOMPARE(atBeam(*form, rod, BeadKind(k)), k >= board::LowerBeadCount - lowerAtBeam);
    QCOMPARE(atBeam(*form, rod, Inner), upperAtBeam >= 1);
    QCOMPARE(atBeam(*form, rod, Outer), upperAtBeam == 2);
    const int value = lowerAtBeam + 5 * upperAtBeam;
    QCOMPARE(rodLabel(*form, rod), QString::number(value));
    QCOMPARE(textBin(*form)->text(), QString::number(value));
    QCOMPARE(form->board().RodValue(rod), value);
}

void TestForm1::pressReleasedOffTheBeadMovesNothing()
{
    auto form = shownForm();
    QVERIFY(form);
    QWindow *window = form->windowHandle();
    const QPoint onBead = windowPoint(*form, imageOf(0, Lower3));

    // While the button is held on a bead at rest, nothing has moved and the rod still reads 0.
    QTest::mousePress(window, Qt::LeftButton, {}, onBead);
    QCOMPARE(rodLabel(*form, 0), "0");
    QTest::mouseRelease(window, Qt::LeftButton, {}, onBead + QPoint(0, 60));
    QCOMPARE(rodLabel(*form, 0), "0");
    QCOMPARE(form->board().LowerValue(0), 0);
    QVERIFY(!atBeam(*form, 0, Lower3));

    // A lone press on the bottom upper bead at rest leaves the upper deck at 0 too.
    QTest::mousePress(window, Qt::LeftButton, {}, windowPoint(*form, imageOf(0, Outer)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(form->board().UpperValue(0), 0);

    // A double click: the first click brings beads 3 to 5 to the beam, and the second press, now
    // on bead 2 (whose body the pointer was also over), acts as a press; its release is a click.
    QTest::mouseDClick(window, Qt::LeftButton, {}, windowPoint(*form, imageOf(0, Lower3), 360));
    QCOMPARE(rodLabel(*form, 0), "4");
}

void TestForm1::readOutInBothBases()
{
    auto form = shownForm();
    QVERIFY(form);
    auto *comHex = form->findChild<QPushButton *>(QStringLiteral("ComHex"));
    auto *comBase = form->findChild<QPushButton *>(QStringLiteral("ComBase"));

    QTest::mouseClick(comHex, Qt::LeftButton);
    QVERIFY(showsBase16(*form));
    QCOMPARE(textBin(*form)->text(), "0");
    QCOMPARE(rodLabel(*form, 7), "0");

    fillBoard(*form);
    QVERIFY(!showsBase16(*form));
    for (int rod = 0; rod < board::RodCount; ++rod)
        QCOMPARE(rodLabel(*form, rod), "15");
    QCOMPARE(textBin(*form)->text(), "225");

    QTest::mouseClick(comHex, Qt::LeftButton);
    QVERIFY(showsBase16(*form));
    for (int rod = 0; rod < board::RodCount; ++rod)
        QCOMPARE(rodLabel(*form, rod), "F");
    QCOMPARE(textBin(*form)->text(), "E1");

    // Typed text in base 16 gives way to the decimal total.
    textBin(*form)->setText(QStringLiteral("77"));
    QTest::mouseClick(comBase, Qt::LeftButton);
    QVERIFY(!showsBase16(*form));
    QCOMPARE(textBin(*form)->text(), "225");
    QCOMPARE(rodLabel(*form, 14), "15");
}

// Rods 2 and 9 read 1 and 2; the pupil types into the total and asks for base 16.
void TestForm1::typedNumberInBase16_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the total as written") << "3"
                                          << "3";
    QTest::newRow("a typed number") << "255"
                                    << "FF";
    QTest::newRow("half rounds down to even") << "12.5"
                                              << "C";
    QTest::newRow("half rounds up to even") << "13.5"
                                            << "E";
    QTest::newRow("letters read as zero") << "abc"
                                          << "0";
    QTest::newRow("empty reads as zero") << ""
                                         << "0";
    QTest::newRow("minus one in two's complement") << "-1"
                                                   << "FFFFFFFF";
    QTest::newRow("blank inside the number") << "1 0"
                                             << "A";
    QTest::newRow("exponent") << "2.55E2"
                              << "FF";
    QTest::newRow("hexadecimal prefix") << "&H1F"
                                        << "1F";
}

void TestForm1::typedNumberInBase16()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto form = shownForm();
    QVERIFY(form);
    clickBead(*form, imageOf(2, Lower5));
    clickBead(*form, imageOf(9, Lower4));
    QCOMPARE(textBin(*form)->text(), "3");

    textBin(*form)->clear();
    QTest::keyClicks(textBin(*form), typed);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("ComHex")), Qt::LeftButton);
    QCOMPARE(textBin(*form)->text(), shown);
    QVERIFY(showsBase16(*form));
    QCOMPARE(rodLabel(*form, 2), "1");
    QCOMPARE(rodLabel(*form, 9), "2");
    QCOMPARE(rodLabel(*form, 0), "0");
}

void TestForm1::numberTooLargeForBase16()
{
    auto form = shownForm();
    QVERIFY(form);
    QList<platform::MessageBoxCall> boxes;
    platform::setMessageBoxHandler([&](const platform::MessageBoxCall &call) { boxes << call; });
    const auto restore = qScopeGuard([] { platform::setMessageBoxHandler({}); });

    clickBead(*form, imageOf(4, Inner));
    textBin(*form)->setText(QStringLiteral("1E10"));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("ComHex")), Qt::LeftButton);

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, "The number is too large to show in base 16.");
    QVERIFY(!showsBase16(*form));
    QCOMPARE(textBin(*form)->text(), "1E10");
    QCOMPARE(rodLabel(*form, 4), "5");
    QCOMPARE(form->board().RodValue(4), 5);
}

void TestForm1::gestureReturnsToBase10()
{
    auto form = shownForm();
    QVERIFY(form);
    clickBead(*form, imageOf(5, Lower1));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("ComHex")), Qt::LeftButton);
    QVERIFY(showsBase16(*form));
    clickBead(*form, imageOf(6, Outer));
    QVERIFY(!showsBase16(*form));
    QCOMPARE(rodLabel(*form, 5), "5");
    QCOMPARE(rodLabel(*form, 6), "10");
    QCOMPARE(textBin(*form)->text(), "15");
}

void TestForm1::textBoxTakesEightCharacters()
{
    auto form = shownForm();
    QVERIFY(form);
    QTest::keyClicks(textBin(*form), QStringLiteral("1234567890"));
    QCOMPARE(textBin(*form)->text(), "12345678");
}

void TestForm1::windowKeepsControlsInPlace()
{
    auto form = shownForm();
    QVERIFY(form);
    const QRect exitRect = form->findChild<QWidget *>(QStringLiteral("ComExit"))->geometry();
    const QRect beadRect = bead(*form, 1)->geometry();
    form->resize(1000, 800);
    QTRY_COMPARE(form->centralWidget()->width(), 1000);
    QCOMPARE(form->findChild<QWidget *>(QStringLiteral("ComExit"))->geometry(), exitRect);
    form->resize(300, 200);
    QTRY_COMPARE(form->width(), 300);
    QCOMPARE(bead(*form, 1)->geometry(), beadRect);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
