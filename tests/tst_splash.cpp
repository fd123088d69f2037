#include "app/frmsplash.h"
#include "app/identity.h"
#include "mainwin/form1.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

// The splash, shown and waiting.
QPointer<FrmSplash> shownSplash()
{
    auto *splash = new FrmSplash;
    splash->showCentred();
    if (!QTest::qWaitForWindowExposed(splash))
        return nullptr;
    return splash;
}

QPoint inWindow(FrmSplash *splash, const char *control, QPoint offset = {2, 2})
{
    auto *widget = splash->findChild<QWidget *>(QLatin1String(control));
    return widget->mapTo(splash, offset);
}

// Whether the splash has gone and the default main window is up in its place.
bool dismissed(const QPointer<FrmSplash> &splash)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form1 *form = Form1::loadedDefault();
    const bool formUp = form && form->isVisible();
    if (splash.isNull() != formUp)
        qWarning("the splash and the main window disagree");
    return splash.isNull() && formUp;
}

// Records, when the main window shows, whether the splash is still around.
class ShowWatcher : public QObject
{
public:
    bool splashLeftWhenFormShown = false;
    int formsShown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Form1 *>(watched)) {
            ++formsShown;
            splashLeftWhenFormShown = true;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (qobject_cast<FrmSplash *>(window) && window->isVisible())
                    splashLeftWhenFormShown = false;
            }
        }
        return false;
    }
};

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void showsTheProduct();
    void keys_data();
    void keys();
    void clicks_data();
    void clicks();
    void splashIsGoneBeforeTheMainWindowShows();
};

void TestSplash::initTestCase()
{
    identity::applyTo(*QCoreApplication::instance());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestSplash::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<FrmSplash *>(window) || qobject_cast<Form1 *>(window))
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSplash::showsTheProduct()
{
    QPointer<FrmSplash> splash = shownSplash();
    QVERIFY(splash);
    QCOMPARE(splash->size(), QSize(504, 286));
    QVERIFY(splash->windowFlags() & Qt::SplashScreen);
    const QPoint offCentre =
        splash->frameGeometry().center() - splash->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 4); // give or take the window frame
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), "Version 1.0.5");
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblProductName"))->text(), "Quillmere");
    // The version and the platform line share their right edge.
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->geometry().right(),
             splash->findChild<QLabel *>(QStringLiteral("lblPlatform"))->geometry().right());
    QCOMPARE(splash->findChild<QWidget *>(QStringLiteral("FrmSplash"))->geometry(),
             QRect(8, 8, 488, 270));
    auto *logo = splash->findChild<QLabel *>(QStringLiteral("imgLogo"));
    QCOMPARE(logo->geometry(), QRect(24, 53, 121, 159));
    QCOMPARE(logo->pixmap().size(), QSize(206, 201));
    QCOMPARE(QCoreApplication::applicationVersion(), "1.0.5");
    QCOMPARE(QCoreApplication::organizationName(), "Dunmarrow");
}

void TestSplash::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("dismisses");
    QTest::newRow("letter") << int(Qt::Key_Q) << true;
    QTest::newRow("digit") << int(Qt::Key_7) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true;
    QTest::newRow("arrow") << int(Qt::Key_Left) << false;
    QTest::newRow("function key") << int(Qt::Key_F5) << false;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false;
    QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << false;
    QTest::newRow("Alt alone") << int(Qt::Key_Alt) << false;
}

void TestSplash::keys()
{
    QFETCH(int, key);
    QFETCH(bool, dismisses);
    QPointer<FrmSplash> splash = shownSplash();
    QVERIFY(splash);
    QTest::keyClick(splash.data(), Qt::Key(key));
    QCOMPARE(dismissed(splash), dismisses);
}

void TestSplash::clicks_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("dismisses");
    QTest::newRow("panel's free area") << "FrmSplash" << true;
    QTest::newRow("product name") << "lblProductName" << false;
    QTest::newRow("press-any-key line") << "lblWarning" << false;
    QTest::newRow("logo") << "imgLogo" << false;
    QTest::newRow("blue margin") << "FrmSplashWindow" << false;
}

void TestSplash::clicks()
{
    QFETCH(QString, where);
    QFETCH(bool, dismisses);
    QPointer<FrmSplash> splash = shownSplash();
    QVERIFY(splash);
    const QPoint at = where == QLatin1String("FrmSplashWindow")
                          ? QPoint(3, 3)
                          : inWindow(splash, qPrintable(where), {10, 5});
    QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(dismissed(splash), dismisses);
}

void TestSplash::splashIsGoneBeforeTheMainWindowShows()
{
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    QPointer<FrmSplash> splash = shownSplash();
    QVERIFY(splash);
    QTest::keyClick(splash.data(), Qt::Key_A);
    qApp->removeEventFilter(&watcher);
    QCOMPARE(watcher.formsShown, 1);
    QVERIFY(watcher.splashLeftWhenFormShown);
    QVERIFY(dismissed(splash));
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
