#include "app/identity.h"
#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/messagebox.h"
#include "platform/program.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>

using enum board::BeadKind;

using namespace driver;

namespace {

QList<Form1 *> openForms()
{
    QList<Form1 *> forms;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form1 *>(window); form && form->isVisible())
            forms << form;
    }
    return forms;
}

// Lets windows that were closed be destroyed, as the event loop would.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool answersShown(Form1 *form)
{
    int shown = 0;
    for (int rod = 0; rod < board::RodCount; ++rod)
        shown += rodLabel(form, rod)->isVisible() ? 1 : 0;
    if (shown != 0 && shown != board::RodCount)
        qWarning("only some answers are shown");
    return shown == board::RodCount;
}

// A window in its designed state: all beads at rest, every answer "0" and shown, base 10.
bool isFresh(Form1 *form)
{
    for (int image = 1; image <= board::ImageCount; ++image) {
        const board::Bead bead = board::beadOfImage(image);
        if (atBeam(form, bead.rod, bead.kind) ||
            rodLabel(form, bead.rod)->text() != QLatin1String("0"))
            return false;
    }
    return answersShown(form) && textBin(form)->text().isEmpty() && !showsBase16(form);
}

Form1 *showDefault()
{
    Form1 *form = Form1::defaultForm();
    form->showCentred();
    return QTest::qWaitForWindowExposed(form) ? form : nullptr;
}

// Opens the File menu and rests the pointer on "New"; returns its submenu once it is open.
QMenu *hoverOverNew(Form1 *form)
{
    auto *file = form->findChild<QMenu *>(QStringLiteral("File"));
    file->popup(form->mapToGlobal(QPoint(0, 0)));
    if (!QTest::qWaitForWindowExposed(file))
        return nullptr;
    const QRect item = file->actionGeometry(file->actions().first());
    QTest::mouseMove(file, item.topLeft() + QPoint(2, 2));
    QTest::mouseMove(file, item.center());
    QMenu *submenu = file->actions().first()->menu();
    return QTest::qWaitFor([submenu] { return submenu->isVisible(); }) ? submenu : nullptr;
}

// Centred on the screen, give or take the window frame.
bool isCentred(QWidget *window)
{
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    return (window->frameGeometry().center() - centre).manhattanLength() <= 4;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void resetGivesAFreshWindowAtTheCentre();
    void newAndResetAcrossWindows();
    void answers_data();
    void answers();
    void exitAndNew_data();
    void exitAndNew();
    void manyFreshWindows();
};

void TestCommands::initTestCase()
{
    identity::applyTo(*QCoreApplication::instance());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestCommands::cleanup()
{
    platform::setMessageBoxHandler({});
    platform::setEndProgramHandler({});
    for (Form1 *form : openForms())
        form->close();
    settle();
}

void TestCommands::resetGivesAFreshWindowAtTheCentre()
{
    Form1 *form = showDefault();
    QVERIFY(form);
    clickBead(form, 0, Lower2);
    clickBead(form, 14, Outer);
    press(form, "ComHide");
    press(form, "ComHex");
    form->move(form->pos() + QPoint(-150, 90));
    QPointer<Form1> old = form;

    press(form, "ComReset");
    settle();
    QVERIFY(old.isNull());
    const QList<Form1 *> forms = openForms();
    QCOMPARE(forms.size(), 1);
    QVERIFY(isFresh(forms[0]));
    QVERIFY(isCentred(forms[0]));
}

// New closes the default main window, wherever it is chosen; Reset closes its own window.
void TestCommands::newAndResetAcrossWindows()
{
    Form1 *first = showDefault();
    QVERIFY(first);
    QPointer<Form1> firstWindow = first;
    clickBead(first, 3, Lower1);

    // New in the default window does what Reset does.
    first->New_Click(2);
    settle();
    QVERIFY(firstWindow.isNull());
    QVERIFY(!Form1::loadedDefault());
    QCOMPARE(openForms().size(), 1);
    Form1 *second = openForms()[0];
    QVERIFY(isFresh(second));

    // Reset in that window replaces it.
    clickBead(second, 5, Inner);
    second->ComReset_Click();
    settle();
    QCOMPARE(openForms().size(), 1);
    Form1 *third = openForms()[0];
    QVERIFY(isFresh(third));

    // New in a window that is not the default: the default is closed already, so this window
    // stays as it is and a fresh one opens beside it.
    clickBead(third, 7, Lower4);
    press(third, "ComHex");
    third->New_Click(2);
    settle();
    const QList<Form1 *> forms = openForms();
    QCOMPARE(forms.size(), 2);
    QVERIFY(forms.contains(third));
    QCOMPARE(rodLabel(third, 7)->text(), "2");
    QCOMPARE(textBin(third)->text(), "2");
    Form1 *fourth = forms[0] == third ? forms[1] : forms[0];
    QVERIFY(isFresh(fourth));

    // Each window keeps its own board, and goes on working when the other is closed through its
    // frame. (Closing the last one ends the program: the real-program script checks that.)
    clickBead(fourth, 7, Lower5);
    QCOMPARE(third->board().RodValue(7), 2);
    QCOMPARE(fourth->board().RodValue(7), 1);
    third->close();
    settle();
    clickBead(fourth, 4, Lower2);
    QCOMPARE(rodLabel(fourth, 4)->text(), "4");
}

void TestCommands::answers_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("shown");
    QTest::newRow("hide") << QStringList{"ComHide"} << false;
    QTest::newRow("hide twice") << QStringList{"ComHide", "ComHide"} << false;
    QTest::newRow("view while shown") << QStringList{"ComView"} << true;
    QTest::newRow("hide then view") << QStringList{"ComHide", "ComView"} << true;
    QTest::newRow("hide, base 16, base 10") << QStringList{"ComHide", "ComHex", "ComBase"} << false;
}

void TestCommands::answers()
{
    QFETCH(QStringList, buttons);
    QFETCH(bool, shown);
    Form1 *form = showDefault();
    QVERIFY(form);
    for (const QString &button : buttons)
        press(form, qPrintable(button));
    QCOMPARE(answersShown(form), shown);

    // A gesture keeps the answers as they are, and still writes them.
    clickBead(form, 2, Lower3);
    QCOMPARE(answersShown(form), shown);
    QCOMPARE(rodLabel(form, 2)->text(), "3");
    press(form, "ComView");
    QVERIFY(answersShown(form));
    QCOMPARE(rodLabel(form, 2)->text(), "3");
}

// Exit and New from their buttons, access keys, menu items and shortcut keys. Exit shows its box
// and then ends the program; New replaces the default window by a fresh one.
void TestCommands::exitAndNew_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("happened");
    const QStringList goodBye{"box Quillmere: Good Bye!", "end"};
    const QStringList replaced{"fresh window"};
    QTest::newRow("Exit button") << "ComExit" << goodBye;
    QTest::newRow("Exit button's access key") << "alt+e" << goodBye;
    QTest::newRow("Exit in the menu") << "menu Exit" << goodBye;
    QTest::newRow("F2") << "f2" << goodBye;
    QTest::newRow("New in the menu") << "menu New" << replaced;
    QTest::newRow("F1") << "f1" << replaced;
}

void TestCommands::exitAndNew()
{
    QFETCH(QString, how);
    QFETCH(QStringList, happened);
    Form1 *form = showDefault();
    QVERIFY(form);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    clickBead(form, 1, Lower1);
    QPointer<Form1> old = form;
    QStringList heard;
    platform::setMessageBoxHandler([&](const platform::MessageBoxCall &box) {
        heard << QStringLiteral("box %1: %2").arg(box.title, box.text);
    });
    platform::setEndProgramHandler([&] { heard << QStringLiteral("end"); });

    if (how == QLatin1String("ComExit")) {
        press(form, "ComExit");
    } else if (how.startsWith(QLatin1String("menu"))) {
        // Hovering over New opens its submenu and runs nothing; a click on an item runs it.
        QMenu *submenu = hoverOverNew(form);
        QVERIFY(submenu && old);
        auto *file = form->findChild<QMenu *>(QStringLiteral("File"));
        QAction *item = how.endsWith(QLatin1String("New")) ? file->actions().first()
                                                           : submenu->actions().first();
        QVERIFY(item->isChecked());
        QMenu *menu = item == file->actions().first() ? file : submenu;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    } else {
        const QKeySequence key = QKeySequence::fromString(how);
        QTest::keyClick(form, key[0].key(), key[0].keyboardModifiers());
    }
    settle();
    if (old.isNull() && openForms().size() == 1 && isFresh(openForms()[0]))
        heard << QStringLiteral("fresh window");
    // A button's access key clicks it after a short visible press.
    QTRY_COMPARE(heard, happened);
}

// Windows that Reset and New close are destroyed: in the sanitizer build, a leak here fails the
// run at exit.
void TestCommands::manyFreshWindows()
{
    for (int cycle = 0; cycle < 200; ++cycle) {
        Form1 *form = showDefault();
        QVERIFY(form);
        form->New_Click(2);
        settle();
        QCOMPARE(openForms().size(), 1);
        openForms().first()->ComReset_Click();
        settle();
        QCOMPARE(openForms().size(), 1);
        openForms().first()->close();
        settle();
    }
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
