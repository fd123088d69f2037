// Real mouse input from the X server: run under Xvfb with no window manager, with xdotool
// moving the pointer and pressing the button, so the window system decides where the press and
// the release go.
#include "formdriver.h"
#include "mainwin/form1.h"

#include <QProcess>

using enum board::BeadKind;

using namespace driver;

namespace {

bool xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(5000) && process.exitCode() == 0;
}

// Clicks the middle of a bead's picture with the real pointer.
bool realClick(Form1 &form, int rod, board::BeadKind kind)
{
    const QPoint at = form.mapToGlobal(beadPoint(&form, rod, kind));
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

} // namespace

class TestRealInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void beadsFollowTheRealPointer_data();
    void beadsFollowTheRealPointer();
};

void TestRealInput::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    QVERIFY2(xdotool({QStringLiteral("version")}), "xdotool is missing");
}

void TestRealInput::beadsFollowTheRealPointer_data()
{
    QTest::addColumn<int>("rod");
    QTest::addColumn<board::BeadKind>("restingBead"); // clicked first: comes to the beam
    QTest::addColumn<board::BeadKind>("countedBead"); // clicked next: goes back to rest, no click
    QTest::addColumn<QString>("afterFirst");
    QTest::addColumn<QString>("afterSecond");
    QTest::newRow("rightmost rod, lower deck") << 0 << Lower3 << Lower4 << "3"
                                               << "1";
    QTest::newRow("leftmost rod, upper deck") << 14 << Outer << Inner << "10"
                                              << "0";
    QTest::newRow("leftmost rod, lower deck") << 14 << Lower1 << Lower5 << "5"
                                              << "0";
}

void TestRealInput::beadsFollowTheRealPointer()
{
    QFETCH(int, rod);
    QFETCH(board::BeadKind, restingBead);
    QFETCH(board::BeadKind, countedBead);
    QFETCH(QString, afterFirst);
    QFETCH(QString, afterSecond);

    Form1 form;
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.move(0, 0);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QVERIFY(realClick(form, rod, restingBead));
    QTRY_VERIFY(atBeam(&form, rod, restingBead));
    QTRY_COMPARE(rodLabel(&form, rod)->text(), afterFirst);

    QVERIFY(realClick(form, rod, countedBead));
    QTRY_VERIFY(!atBeam(&form, rod, countedBead));
    QTRY_COMPARE(rodLabel(&form, rod)->text(), afterSecond);
    // Had the release counted as a click at the bead's new place, the bead would be back.
    QTest::qWait(100);
    QVERIFY(!atBeam(&form, rod, countedBead));
    QCOMPARE(rodLabel(&form, rod)->text(), afterSecond);
}

QTEST_MAIN(TestRealInput)
#include "tst_realinput.moc"
