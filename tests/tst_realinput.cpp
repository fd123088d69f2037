// Real mouse input from the X server: run under Xvfb with no window manager, with xdotool
// moving the pointer and pressing the button, so the window system decides where the press and
// the release go.
#include "mainwin/form1.h"
#include "platform/imagecontrol.h"

#include <QLabel>
#include <QProcess>
#include <QTest>

using enum board::BeadKind;

namespace {

bool xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(5000) && process.exitCode() == 0;
}

// Clicks the middle of a bead's picture with the real pointer.
bool clickBead(Form1 &form, int rod, board::BeadKind kind)
{
    auto *bead = form.findChild<platform::ImageControl *>(
        QStringLiteral("Image%1").arg(board::imageOf({rod, kind})));
    const QPoint at = bead->mapToGlobal(bead->rect().center());
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

bool atBeam(Form1 &form, int rod, board::BeadKind kind)
{
    auto *bead = form.findChild<platform::ImageControl *>(
        QStringLiteral("Image%1").arg(board::imageOf({rod, kind})));
    return bead->top() == board::topOf(kind, board::Place::Counted);
}

QString rodLabel(Form1 &form, int rod)
{
    return form.findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(rod))->text();
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
    QTest::addColumn<board::BeadKind>("atRest"); // clicked first: comes to the beam
    QTest::addColumn<board::BeadKind>("atBeam"); // clicked next: goes back to rest, no click
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
    QFETCH(board::BeadKind, atRest);
    QFETCH(board::BeadKind, atBeam);
    QFETCH(QString, afterFirst);
    QFETCH(QString, afterSecond);

    Form1 form;
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.move(0, 0);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QVERIFY(clickBead(form, rod, atRest));
    QTRY_VERIFY(::atBeam(form, rod, atRest));
    QTRY_COMPARE(rodLabel(form, rod), afterFirst);

    QVERIFY(clickBead(form, rod, atBeam));
    QTRY_VERIFY(!::atBeam(form, rod, atBeam));
    QTRY_COMPARE(rodLabel(form, rod), afterSecond);
    // Had the release counted as a click at the bead's new place, the bead would be back.
    QTest::qWait(100);
    QVERIFY(!::atBeam(form, rod, atBeam));
    QCOMPARE(rodLabel(form, rod), afterSecond);
}

QTEST_MAIN(TestRealInput)
#include "tst_realinput.moc"
