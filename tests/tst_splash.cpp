#include "app/frmsplash.h"
#include "app/identity.h"
#include "mainwin/form1.h"
#include "platform/imagecontrol.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

// Where a control is clicked, from its corner: on the window itself, that is the blue margin.
constexpr QPoint ClickedAt(10, 5);

template <typename Control = QWidget> Control *child(QWidget *splash, const QString &name)
{
    return splash->findChild<Control *>(name);
}

// Counts the main window's showings, and the splashes still up at each.
struct ShowWatcher : QObject
{
    int shown = 0;
    int withSplash = 0;
    ShowWatcher() { qApp->installEventFilter(this); }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Form1 *>(watched)) {
            ++shown;
            for (QWidget *window : QApplication::topLevelWidgets())
                withSplash += qobject_cast<FrmSplash *>(window) && window->isVisible();
        }
        return false;
    }
};

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        identity::applyTo(*QCoreApplication::instance());
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<FrmSplash *>(window) || qobject_cast<Form1 *>(window))
                window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void showsTheProduct()
    {
        QPointer<FrmSplash> splash = new FrmSplash;
        splash->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->size(), QSize(504, 286));
        QVERIFY(splash->windowFlags() & Qt::SplashScreen);
        const QPoint offCentre =
            splash->frameGeometry().center() - splash->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4); // give or take the window frame
        QCOMPARE(child<QLabel>(splash, "lblVersion")->text(), "Version 1.0.5");
        QCOMPARE(child<QLabel>(splash, "lblProductName")->text(), "Quillmere");
        // The version and the platform line share their right edge.
        QCOMPARE(child(splash, "lblVersion")->geometry().right(),
                 child(splash, "lblPlatform")->geometry().right());
        QCOMPARE(child(splash, "FrmSplash")->geometry(), QRect(8, 8, 488, 270));
        QCOMPARE(child(splash, "imgLogo")->geometry(), QRect(24, 53, 121, 159));
        QCOMPARE(child<platform::ImageControl>(splash, "imgLogo")->picture().size(),
                 QSize(206, 201));
        QCOMPARE(QCoreApplication::applicationVersion(), "1.0.5");
        QCOMPARE(QCoreApplication::organizationName(), "Dunmarrow");
    }

    // A key that types a character, or a click on the panel's free area, closes the splash; the
    // main window shows once, when the splash is gone.
    void dismissal_data()
    {
        QTest::addColumn<int>("key"); // 0 for a click on the control
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("letter") << int(Qt::Key_Q) << QString() << true;
        QTest::newRow("digit") << int(Qt::Key_7) << QString() << true;
        QTest::newRow("space") << int(Qt::Key_Space) << QString() << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << QString() << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << QString() << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QString() << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << QString() << false;
        QTest::newRow("function key") << int(Qt::Key_F5) << QString() << false;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << QString() << false;
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << QString() << false;
        QTest::newRow("Alt alone") << int(Qt::Key_Alt) << QString() << false;
        QTest::newRow("click on the panel's free area") << 0 << "FrmSplash" << true;
        QTest::newRow("click on the product name") << 0 << "lblProductName" << false;
        QTest::newRow("click on the press-any-key line") << 0 << "lblWarning" << false;
        QTest::newRow("click on the logo") << 0 << "imgLogo" << false;
        QTest::newRow("click on the blue margin") << 0 << "FrmSplashWindow" << false;
    }
    void dismissal()
    {
        QFETCH(int, key);
        QFETCH(QString, control);
        QFETCH(bool, dismisses);
        ShowWatcher watcher;
        QPointer<FrmSplash> splash = new FrmSplash;
        splash->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QWidget *target = control == splash->objectName() ? splash : child(splash, control);
        if (key != 0)
            QTest::keyClick(splash.data(), Qt::Key(key));
        else
            QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {},
                              target->mapTo(splash, ClickedAt));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(splash.isNull(), dismisses);
        QCOMPARE(Form1::loadedDefault() && Form1::loadedDefault()->isVisible(), dismisses);
        QCOMPARE(watcher.shown, dismisses ? 1 : 0);
        QCOMPARE(watcher.withSplash, 0);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
