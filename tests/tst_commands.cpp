// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity.h"
#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/messagebox.h"
#include "platform/program.h"

#include <QMenu>

using namespace driver;
using Windows = QList<QPointer<Form1>>;
static QStringList heard; // message boxes and the program's end

// Destroys closed windows as the event loop would; keeps those left in order; returns the last.
static Form1 *settle(Windows &windows)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows.removeAll(nullptr);
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form1 *>(window); form && !windows.contains(form))
            windows << form;
    return windows.isEmpty() ? nullptr : windows.last().data();
}

// What was heard, then how each main window left differs from a fresh one.
static QString outcome(Windows &windows)
{
    settle(windows);
    QStringList seen = heard;
    for (Form1 *form : windows) {
        QStringList changes;
        int shown = 0, atTheBeam = 0;
        for (int rod = 0; rod < 15; ++rod) {
            if (const QString text = rodLabel(form, rod)->text(); text != "0")
                changes << QStringLiteral("rod %1 shows %2").arg(rod).arg(text);
            shown += rodLabel(form, rod)->isVisible();
            for (int kind = 0; kind < 7; ++kind)
                atTheBeam += atBeam(form, rod, board::BeadKind(kind));
        }
        const QPoint off =
            form->frameGeometry().center() - form->screen()->availableGeometry().center();
        changes << (textBin(form)->text().isEmpty() ? "" : "total '" + textBin(form)->text() + "'")
                << (showsBase16(form) ? "base 16" : "")
                << (shown == 15 ? "" : QString::number(shown) + " shown")
                << (atTheBeam == 0 ? "" : QString::number(atTheBeam) + " at the beam")
                << (off.manhattanLength() > 4 ? "off the centre" : "");
        changes.removeAll("");
        seen << (changes.isEmpty() ? "fresh" : changes.join(", "));
    }
    return seen.join("; ");
}

// A step: "rod 7 bead 4" (lower beads 1 to 5 from the bottom, 6 the outer), a button "Com...",
// "menu New" or "menu Exit", "move" off the centre, "close" as through the frame, or a key.
static void act(Form1 *form, const QString &step)
{
    QVERIFY2(form, "no main window is left");
    const QStringList words = step.split(u' ');
    if (words[0] == "rod") {
        clickBead(form, words[1].toInt(), board::BeadKind(words[3].toInt() - 1));
    } else if (step.startsWith("Com")) {
        press(form, qPrintable(step));
    } else if (words[0] == "menu") { // resting on New opens its submenu and runs nothing
        auto *file = form->findChild<QMenu *>(QStringLiteral("File"));
        QAction *newItem = file->actions().first();
        file->popup(form->mapToGlobal(QPoint(0, 0)));
        file->setActiveAction(newItem);
        QVERIFY(form->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return newItem->menu()->isVisible(); }));
        QMenu *menu = words[1] == "New" ? file : newItem->menu();
        QAction *item = menu->actions().first();
        QVERIFY(item->isChecked()); // as designed, and it stays so
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    } else if (step == "move") {
        form->move(form->pos() + QPoint(-150, 90));
    } else if (step == "close") {
        form->close();
    } else {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keySequence(form, QKeySequence::fromString(step));
    }
}

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        identity::applyTo(*QCoreApplication::instance());
        platform::setMessageBoxHandler([](auto &box) { heard << box.title + ": " + box.text; });
        platform::setEndProgramHandler([] { heard << "end"; });
    }
    // Any warning fails (the base labels and buttons disagreeing), but the offscreen platform's.
    void init() { QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support)")); }
    void cleanup()
    {
        for (Windows windows; Form1 *form = settle(windows);) // closed or not
            delete form;
    }
    // Each row runs its steps, each in the last main window opened that is left.
    void commands_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        row("Reset after moves, with answers hidden, base 16, off the centre",
            "rod 0 bead 2, rod 14 bead 6, ComHide, ComHex, move, ComReset", "fresh");
        row("New from the menu in the default window", "rod 1 bead 1, menu New", "fresh");
        row("New (F1) in a window Reset opened", "ComReset, rod 7 bead 4, ComHex, F1",
            "rod 7 shows 2, total '2', base 16, 2 at the beam; fresh");
        row("each window keeps its board, and works on when another is closed",
            "ComReset, rod 7 bead 4, F1, rod 7 bead 5, close, rod 4 bead 2",
            "rod 4 shows 4, rod 7 shows 2, total '6', 6 at the beam");
        row("every window Reset closes is destroyed", QString("ComReset, ").repeated(40), "fresh");
        row("Hide twice, two bases", "ComHide, ComHide, ComHex, ComBase", "total '0', 0 shown");
        row("View while shown", "ComView", "fresh");
        row("Hide, then a gesture: still hidden, and written", "ComHide, rod 2 bead 3",
            "rod 2 shows 3, total '3', 0 shown, 3 at the beam");
        row("Hide, a gesture, View: the values show", "ComHide, rod 2 bead 3, ComView",
            "rod 2 shows 3, total '3', 3 at the beam");
        row("Exit button", "ComExit", "Quillmere: Good Bye!; end; fresh");
        row("Exit button's access key", "Alt+E", "Quillmere: Good Bye!; end; fresh");
        row("Exit in the menu", "menu Exit", "Quillmere: Good Bye!; end; fresh");
        row("Exit from F2", "F2", "Quillmere: Good Bye!; end; fresh");
    }
    void commands()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        heard.clear();
        Windows windows;
        Form1::defaultForm()->showCentred();
        for (const QString &step : steps.split(", ", Qt::SkipEmptyParts))
            act(settle(windows), step);
        QTRY_COMPARE(outcome(windows), expected); // an access key clicks after a visible press
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
