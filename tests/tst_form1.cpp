// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/messagebox.h"
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QPainter>
using namespace driver;
using enum board::BeadKind;
using board::BeadKind;
namespace {
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}
// A font as the design names it, e.g. "Times New Roman 9.75 bold italic"; 96 pixels to the inch.
QString design(const QFont &f)
{
    return f.family() + ' ' +
           QString::number(f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75) +
           (f.bold() ? " bold" : "") + (f.italic() ? " italic" : "");
}
bool opened(Form1 &form)
{
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}
// Types `keys` at the focus, each times a count: "Tab*6"; "Click" clicks a bead of rod 14,
// "Held" sends the Space of a key held down, auto-repeated.
void type(Form1 &form, const QString &keys)
{
    for (const QString &key : keys.split(' ')) {
        const QKeyCombination pressed = QKeySequence(key.section('*', 0, 0))[0];
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, {}, " ", true);
        for (int i = key.contains('*') ? key.section('*', 1).toInt() : 1; i > 0; --i)
            key == "Click" ? clickBead(&form, 14, Lower5)
            : key == "Held"
                ? void(QApplication::sendEvent(form.focusWidget(), &held))
                : QTest::keyClick(form.focusWidget(), pressed.key(), pressed.keyboardModifiers());
    }
}
} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    // A control (named first in its row) misplaced, miscaptioned, wrongly shown, in a wrong font.
    void controlsStandWhereDesigned_data()
    {
        addColumns<QRect, QString, bool, QString>("rect", "caption", "shown", "font");
        const char *sans = "MS Sans Serif 8.25", *serif = "Times New Roman 9.75 bold italic";
        // clang-format off
        row("ComHide button", twips(8040, 1080, 1095, 495), "&Hide Answers", true, sans);
        row("ComView button", twips(8040, 1680, 1095, 495), "&View Answers", true, sans);
        row("ComHex button", twips(8040, 2520, 1095, 495), "Hexa&Decimal", true, sans);
        row("ComBase button", twips(8040, 2520, 1095, 495), "&Base 10", false, sans);
        row("ComReset button", twips(8160, 3600, 855, 375), "&Reset", true, sans);
        row("ComExit button", twips(8160, 4080, 855, 375), "&Exit", true, sans);
        row("LabBase mark", twips(8400, 4680, 735, 375), "Base 10", true, serif);
        row("LabHex mark", twips(8160, 4680, 1215, 255), "Hexadecimal", false, serif);
        row("TextBin total", twips(8040, 5040, 1335, 375), "", true, "MS Sans Serif 12 bold");
        // Lines have no caption and no font; frame lines are 5 pixels wide, rod wires 2.
        row("Line3 top of the frame", QRect(14, 22, 517, 5), "", true, "");
        row("Line1 left of the frame", QRect(14, 22, 5, 333), "", true, "");
        row("Line2 bottom of the frame", QRect(14, 350, 517, 5), "", true, "");
        row("Line4 right of the frame", QRect(526, 22, 5, 333), "", true, "");
        row("Line5 the beam", QRect(14, 134, 517, 5), "", true, "");
        for (int r = 0; r < 15; ++r) {
            row(qPrintable(QStringLiteral("Line%1 wire of rod %2").arg(6 + r).arg(r)), QRect(RodX[r] / 15, 24, 2, 330), "", true, "");
            row(qPrintable(QStringLiteral("Label1(%1) value of rod %1").arg(r)), twips(RodX[r] - 120, 5760, 375, 255), "0", true, "MS Sans Serif 9.75 bold");
        }
        // clang-format on
    }
    void controlsStandWhereDesigned()
    {
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        QFETCH(bool, shown);
        QFETCH(QString, font);
        Form1 form;
        QVERIFY(opened(form));
        auto *control =
            form.findChild<QWidget *>(QString(QTest::currentDataTag()).section(' ', 0, 0));
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
        QCOMPARE(control->isVisible(), shown);
        QCOMPARE(control->property("text").toString(), caption);
        QCOMPARE(font.isEmpty() ? font : design(control->font()), font);
    }
    // A fresh window not as designed: title, size, colour, icon, base, beads at rest, the higher-
    // numbered of two overlapping beads drawn on top, focus; or controls that move on resizing.
    void freshWindow()
    {
        Form1 form;
        QVERIFY(opened(form));
        QCOMPARE(form.windowTitle(), "Quillmere Version 1.05 - By Corwynne");
        QCOMPARE(form.centralWidget()->size(), QSize(632, 434));
        const QImage screen = form.centralWidget()->grab().toImage();
        QCOMPARE(screen.pixelColor(2, 2), QColor(128, 64, 64));
        QVERIFY(!form.windowIcon().isNull());
        QVERIFY(!showsBase16(&form));
        for (int i = 0; i < 105; ++i) // rod i / 7, bead kind i % 7, at rest
            QCOMPARE(bead(&form, i / 7, BeadKind(i % 7))->geometry(),
                     twips(RodX[i / 7] - 240, int(BeadTop[i % 7][0]), 495, 495));
        // The top bead of each deck shows its whole picture, over the body of the bead below.
        QImage topmost = screen;
        for (BeadKind kind : {Lower5, Inner})
            QPainter(&topmost).drawPixmap(bead(&form, 0, kind)->geometry(),
                                          bead(&form, 0, kind)->picture());
        QCOMPARE(screen, topmost);
        QStringList order; // the focus starts on View Answers and Tab follows the tab indices
        for (int i = 0; i < 6; ++i, QTest::keyClick(form.focusWidget(), Qt::Key_Tab))
            order << form.focusWidget()->objectName();
        QCOMPARE(order.join(' '), "ComView ComHide ComReset ComExit ComHex TextBin");
        form.resize(1000, 800);
        QTRY_COMPARE(form.centralWidget()->width(), 1000);
        form.resize(300, 200);
        QTRY_COMPARE(form.width(), 300);
        QCOMPARE(form.findChild<QWidget *>("ComExit")->geometry(), twips(8160, 4080, 855, 375));
        QCOMPARE(bead(&form, 0, Lower1)->geometry(), twips(7200, 4920, 495, 495));
    }
    // `keys` typed: a control (named second) not at its design times the zoom, its font
    // or bead picture not scaled (`size` pixels), a picture smoothed, or a press on the zoomed
    // body of a bead missing it (hit mask not scaled) or moving it to the wrong `beamTop`.
    void zoomed_data()
    {
        addColumns<QString, QRect, int, int>("keys", "rect", "size", "beamTop");
        row("150% ComHide in the window's font", "Ctrl+=*2", QRect(804, 108, 110, 50), 17, 0);
        row("200% TextBin in its own font", "Ctrl+=*3", QRect(1072, 672, 178, 50), 32, 0);
        row("200% Label1(14)", "Ctrl+=*3", QRect(80, 768, 50, 34), 26, 0);
        row("200% Line5 the beam, 10 pixels wide", "Ctrl+=*3", QRect(28, 268, 1034, 10), 0, 0);
        row("150% Image103 inner bead of rod 13", "Ctrl+=*2", QRect(96, 48, 50, 50), 50, 156);
        row("200% Image105 inner bead of rod 14", "Ctrl+=*3", QRect(64, 64, 66, 66), 66, 208);
        // Faults: Ctrl+Plus stopping short of 400%, Ctrl+Minus going under 100%; F11 twice
        // leaving the content at the full-screen step.
        row("400% Label1(14) at the largest step", "Ctrl++*9", QRect(160, 1536, 100, 68), 52, 0);
        row("100% Label1(14) at the least", "Ctrl+= Ctrl+-*3", QRect(40, 384, 25, 17), 13, 0);
        row("100% ComExit after F11 and F11", "F11*2", QRect(544, 272, 57, 25), 11, 0);
    }
    void zoomed()
    {
        QFETCH(QString, keys);
        QFETCH(QRect, rect);
        QFETCH(int, size);
        QFETCH(int, beamTop);
        Form1 form;
        QVERIFY(opened(form));
        type(form, keys);
        const QString tag = QTest::currentDataTag(); // the zoom, then the control's name
        QCOMPARE(QString::number(form.zoom()) + '%', tag.section(' ', 0, 0));
        auto *control = form.findChild<QWidget *>(tag.section(' ', 1, 1));
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
        auto *image = qobject_cast<platform::ImageControl *>(control);
        QCOMPARE(image || !size ? size : control->font().pixelSize(), size);
        if (!image)
            return;
        const QImage shown = image->picture().toImage();
        const QImage drawn(":/assets/upperbead.ico");
        QSet<QRgb> colours; // nearest neighbour: no colour that the 32 x 32 picture lacks
        for (int i = 0; i < 32 * 32; ++i)
            colours.insert(drawn.pixel(i % 32, i / 32));
        QCOMPARE(shown.size(), QSize(size, size));
        for (int i = 0; i < size * size; ++i)
            QVERIFY(colours.contains(shown.pixel(i % size, i / size)));
        const QPoint body = image->mapTo(&form, QPoint(size / 2, size * 3 / 4));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, body);
        QCOMPARE(image->y(), beamTop);
    }
    // A gesture moving the wrong beads or going to the wrong bead: on `rod`, each of `beads` is
    // pressed `down` twips below its top edge and released `release` pixels away, or double
    // clicked; then `lower` and `upper` beads are at the beam. Only a bead's body takes the mouse.
    void gestures_data()
    {
        addColumns<int, QList<BeadKind>, Qt::MouseButton, int, QPoint, bool, int, int>(
            "rod", "beads", "button", "down", "release", "twice", "lower", "upper");
        // clang-format off
        row("bead at rest comes to the beam with those above it", 0, QList{Lower3}, Qt::LeftButton, 255, QPoint(), false, 3, 0);
        row("bead at the beam goes to rest with those below it, no click", 0, QList{Lower3, Lower4}, Qt::LeftButton, 255, QPoint(), false, 1, 0);
        row("leftmost rod, every lower bead and the inner bead", 14, QList{Lower1, Inner}, Qt::LeftButton, 255, QPoint(), false, 5, 1);
        row("right button acts like the left", 7, QList{Lower2}, Qt::RightButton, 255, QPoint(), false, 4, 0);
        row("outer bead from rest brings both upper beads", 3, QList{Outer}, Qt::LeftButton, 255, QPoint(), false, 0, 2);
        row("outer bead at the beam goes back alone", 3, QList{Outer, Outer}, Qt::MiddleButton, 255, QPoint(), false, 0, 1);
        row("bottom bead's body, inside the next bead's box", 0, QList{Lower1}, Qt::LeftButton, 180, QPoint(), false, 5, 0);
        row("where two bodies overlap, the higher-numbered bead", 0, QList{Lower1}, Qt::LeftButton, 120, QPoint(), false, 4, 0);
        row("through the bottom bead's transparent top margin", 0, QList{Lower1}, Qt::LeftButton, 30, QPoint(), false, 4, 0);
        row("below the bottom bead's body, nothing", 0, QList{Lower1}, Qt::LeftButton, 480, QPoint(), false, 0, 0);
        row("released below the bead, no click", 0, QList{Lower3}, Qt::LeftButton, 255, QPoint(0, 60), false, 0, 0);
        row("released over a transparent corner of its picture, no click", 0, QList{Lower3}, Qt::LeftButton, 255, QPoint(-15, -16), false, 0, 0);
        row("outer bead released far off, no click", 0, QList{Outer}, Qt::LeftButton, 255, QPoint(-400, -30), false, 0, 0);
        row("double click: bead 3 leaves, then bead 2 under the pointer counts", 0, QList{Lower3}, Qt::LeftButton, 360, QPoint(), true, 4, 0);
        // clang-format on
    }
    void gestures()
    {
        QFETCH(int, rod);
        QFETCH(QList<BeadKind>, beads);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, down);
        QFETCH(QPoint, release);
        QFETCH(bool, twice);
        QFETCH(int, lower);
        QFETCH(int, upper);
        Form1 form;
        QVERIFY(opened(form));
        for (BeadKind kind : beads) {
            const QPoint at = beadPoint(&form, rod, kind, down);
            twice ? QTest::mouseDClick(form.windowHandle(), button, {}, at)
                  : QTest::mousePress(form.windowHandle(), button, {}, at);
            if (!twice)
                QTest::mouseRelease(form.windowHandle(), button, {}, at + release);
        }
        for (int k = 0; k < 7; ++k) // those at the beam are the ones nearest it on each deck
            QCOMPARE(bead(&form, rod, BeadKind(k))->top(),
                     BeadTop[k][k < 5 ? k >= 5 - lower : upper > 6 - k]);
        QCOMPARE(rodLabel(&form, rod)->text(), QString::number(lower + 5 * upper));
    }
    // Keys: Tab missing the frame or its first bead, an arrow astray, Space, Enter or Return not
    // pressing then clicking as the mouse does, a key the bead does not use swallowed; a bead
    // clicked taking the focus; a focused bead without a ring, or one left when the focus goes.
    void keyboard_data()
    {
        addColumns<QString, QString, QString>("keys", "focus", "rod1"); // rod1: Label1(14) as seen
        row("Tab after the total enters the frame", "Tab*6", "Image75", "0");
        row("Shift+Tab from View Answers comes to the frame", "Shift+Tab", "Image75", "0");
        row("Tab from the frame goes on to View Answers", "Tab*7", "ComView", "0");
        // Fault: a bead the arrows left stays a tab stop.
        row("Tab leaves the frame after an arrow", "Tab*6 Right Tab", "ComView", "0");
        row("Left stops at the edge, Right goes to Rod 2", "Tab*6 Left Right", "Image70", "0");
        row("Up crosses the beam and stops at the outer bead", "Tab*6 Up*3", "Image104", "0");
        row("Down stops at lower bead 1", "Tab*6 Down*5", "Image71", "0");
        row("Space brings a bead at rest, and those above", "Tab*6 Down*2 Space", "Image73", "3");
        row("Space sends a bead back, and those below", "Tab*6 Down*2 Space*2", "Image73", "2");
        // Fault: a held Space (auto-repeat) flipping the bead back and forth.
        row("a held Space moves the bead once", "Tab*6 Down*2 Space Held", "Image73", "3");
        row("Enter and Return act as Space", "Tab*6 Up Enter Down Return", "Image75", "6");
        row("Alt+H hides the answers from a bead too", "Tab*6 Alt+H", "Image75", "");
        row("a bead clicked with the mouse takes no focus", "Click", "ComView", "1");
    }
    void keyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        QFETCH(QString, rod1);
        Form1 form;
        QVERIFY(opened(form));
        type(form, keys);
        QCOMPARE(form.focusWidget()->objectName(), focus);
        QTRY_COMPARE(rodLabel(&form, 14)->isVisible() ? rodLabel(&form, 14)->text() : "", rod1);
        const auto frame = [&] { return form.centralWidget()->grab({0, 0, 536, 434}).toImage(); };
        // Fault: a bead that takes or loses the focus not repainted, the screen not showing the
        // ring or still showing it (grab() repaints everything and cannot see it).
        const QPoint at = form.centralWidget()->pos(); // the part of it on the screen:
        const auto shown = [&] {
            const QImage screen =
                form.screen()->grabWindow(form.winId(), at.x(), at.y(), 536, 434).toImage();
            return screen == frame().copy(screen.rect()).convertToFormat(screen.format());
        };
        QTRY_VERIFY(shown());
        const QImage ringed = frame();
        form.findChild<QWidget *>("ComView")->setFocus(); // the ring goes with the focus
        QTRY_VERIFY(shown());
        QCOMPARE(frame() != ringed, focus.startsWith("Image"));
    }
    // The read-out in the wrong base or a number misread. Every rod at 15 reads 225; a number
    // pasted into the total shows in base 16, except one too large for 32 bits, which stays as
    // typed with a box; "&Base 10" brings back the decimal total.
    void readOut_data()
    {
        addColumns<QString, QString>("typed", "shown");
        row("the total as written", "225", "E1");
        row("a typed number", "255", "FF");
        row("half rounds down to even", "12.5", "C");
        row("half rounds up to even", "13.5", "E");
        row("letters read as zero", "abc", "0");
        row("empty reads as zero", "", "0");
        row("minus one in two's complement", "-1", "FFFFFFFF");
        row("blank inside the number", "1 0", "A");
        row("hexadecimal prefix", "&H1F", "1F");
        row("only eight characters are taken", "1234567890", "BC614E");
        row("a pasted megabyte, cut to eight characters", QString(1 << 20, '9'), "5F5E0FF");
        row("too large for base 16", "1E10", "1E10");
    }
    void readOut()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Form1 form;
        QVERIFY(opened(form));
        QStringList boxes;
        platform::setMessageBoxHandler([&](const auto &call) { boxes << call.text; });
        const auto restore = qScopeGuard([] { platform::setMessageBoxHandler({}); });
        press(&form, "ComHex");
        QVERIFY(showsBase16(&form));
        QCOMPARE(textBin(&form)->text(), "0");
        for (int i = 0; i < 30; ++i) // a gesture in base 16 brings base 10 back
            clickBead(&form, i / 2, i % 2 ? Lower1 : Outer);
        QVERIFY(!showsBase16(&form));
        QCOMPARE(textBin(&form)->text(), "225");
        const QDeadlineTimer second(1000);
        QApplication::clipboard()->setText(typed);
        textBin(&form)->clear();
        QTest::keyClick(textBin(&form), Qt::Key_V, Qt::ControlModifier);
        press(&form, "ComHex");
        QVERIFY(!second.hasExpired());
        const bool tooLarge = typed == shown;
        QCOMPARE(textBin(&form)->text(), shown);
        QCOMPARE(boxes.join(""), tooLarge ? "The number is too large to show in base 16." : "");
        QCOMPARE(showsBase16(&form), !tooLarge);
        for (int rod = 0; rod < 15; ++rod)
            QCOMPARE(rodLabel(&form, rod)->text(), tooLarge ? "15" : "F");
        press(&form, tooLarge ? "ComHex" : "ComBase");
        QVERIFY(!showsBase16(&form));
        QCOMPARE(textBin(&form)->text(), tooLarge ? typed : "225");
        QCOMPARE(rodLabel(&form, 14)->text(), "15");
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
