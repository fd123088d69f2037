// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsplash.h"
#include "mainwin/form1.h"
#include "platform/imagecontrol.h"
#include "testkit.h"

class TestSplash : public QObject
{
    Q_OBJECT
    int m_withSplash = 0; // events the main window got while a splash was up

    bool eventFilter(QObject *watched, QEvent *) override
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            m_withSplash += qobject_cast<Form1 *>(watched) && qobject_cast<FrmSplash *>(window) &&
                            window->isVisible();
        return false;
    }

private slots:
    void initTestCase() { qApp->installEventFilter(this); }
    void showsTheProduct()
    {
        FrmSplash splash;
        splash.showCentred();
        const auto at = [&](const char *name) { return splash.findChild<QWidget *>(name); };
        QCOMPARE(splash.size(), QSize(504, 286));
        QVERIFY(splash.windowFlags() & Qt::SplashScreen);
        const QPoint centre = splash.screen()->availableGeometry().center();
        QVERIFY((splash.frameGeometry().center() - centre).manhattanLength() <= 4); // frame aside
        // The version grew by a character at load and kept its right edge, the platform line's.
        QCOMPARE(at("lblVersion")->geometry().right(), at("lblPlatform")->geometry().right());
        QCOMPARE(at("FrmSplash")->geometry(), QRect(8, 8, 488, 270));
        QCOMPARE(at("imgLogo")->geometry(), QRect(24, 53, 121, 159));
        QCOMPARE(splash.findChild<platform::ImageControl *>()->picture().size(), QSize(206, 201));
    }
    // Each input goes to a splash of its own; a click lands 10, 5 pixels into the control named,
    // or the window: its blue margin. The main window loads once the splash is gone, and shows.
    void dismissal_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<bool>("dismisses");
        row("keys that type a character", "Q, 7, Space, Return, Esc, Backspace", true);
        row("arrow, function key, Shift, Ctrl, Alt alone", "Left, F5, Shift, Control, Alt", false);
        row("a click on the panel's free area", "click FrmSplash", true);
        row("clicks on labels, the logo, the blue margin",
            "click lblProductName, click lblWarning, click imgLogo, click", false);
    }
    void dismissal()
    {
        QFETCH(QString, inputs);
        QFETCH(bool, dismisses);
        for (const QString &input : inputs.split(", ")) {
            QPointer<FrmSplash> splash = new FrmSplash;
            splash->showCentred();
            QWidget *on = input == "click" ? splash : splash->findChild<QWidget *>(input.mid(6));
            if (input.startsWith("click"))
                QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {},
                                  on->mapTo(splash, QPoint(10, 5)));
            else
                QTest::keySequence(splash.data(), QKeySequence::fromString(input));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool shown = Form1::loadedDefault() && Form1::loadedDefault()->isVisible();
            const bool asExpected = splash.isNull() == dismisses && shown == dismisses;
            delete splash;
            delete Form1::loadedDefault();
            QVERIFY2(asExpected && m_withSplash == 0, qPrintable(input));
        }
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
