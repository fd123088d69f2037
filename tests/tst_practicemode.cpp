// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formdriver.h"
#include "mainwin/form1.h"
#include "mainwin/practicemode.h"

#include <QAccessible>
#include <QMenu>

using namespace driver;

// A round through the window as a pupil works it, with the draws of seed 1 at level 10: Show a
// Number asks for 5, then 10; Read the Frame's first frame has the inner bead of rod 10 (5).
// Steps: "show", "read", "words" (Tasks in Words), "stop", a button "Com..." or "Practice..." by
// name, "type X" into the answer box, or "rod R bead K" (lower beads 1 to 5 from the bottom, 6 the
// outer). What is seen: the task or feedback after each step that changes it, and at each check
// whether the answers were hidden: rod labels and total out of sight, and nothing of them in their
// texts.
class TestPracticeMode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mainwin::PracticeMode::setSeed(1); }
    void rounds_data()
    {
        addColumns<QString, QString>("steps", "seen");
        // clang-format off
        row("Show a Number: short, then right; answers hidden until then", "show, rod 0 bead 2, PracticeCheck, rod 0 bead 1, PracticeCheck",
            "Show 5 | hidden: Your frame shows 4. You need 1 more. | shown: Right! The frame shows 5. | total 5, 1 right of 1");
        row("Show a Number: over, Show Me offered after two tries", "show, rod 3 bead 6, PracticeCheck, PracticeShowMe, PracticeCheck, PracticeShowMe",
            "Show 5 | hidden: Your frame shows 10. You need 5 fewer. | hidden: Your frame shows 10. You need 5 fewer. | hidden: Your frame shows 10. You need 5 fewer. | shown: The frame shows 5. | total 5, 0 right of 1");
        row("Read the Frame: not read, wrong, then right by Enter", "read, type x, PracticeCheck, type 4, PracticeCheck, type 05, Enter",
            "What is the frame's total? | hidden: Not yet. Try again. | hidden: Not yet. Try again. | shown: Right! The frame shows 5. | total 5, 1 right of 1");
        row("base 16: tasks and answers in base 16", "ComHex, show, PracticeNext, rod 0 bead 6, PracticeCheck",
            "Show 5 | Show A | shown: Right! The frame shows A. | total A, 1 right of 2");
        // Faults: digits kept, the open task's text not renewed, base 16 spelled as a decimal.
        row("Tasks in Words: the number in words, at once", "show, words, PracticeNext", "Show 5 | Show five | Show ten | total , 0 right of 1");
        row("Tasks in Words in base 16: digit by digit", "ComHex, words, show, PracticeNext", "Show five | Show A | total , 0 right of 1");
        row("Stop: the designed window again, answers shown", "show, stop", "Show 5 | total 0, 0 right of 0");
        // Fault: the strip made at 200 percent in a font zoomed twice, or not at all.
        row("made at 200%: the buttons in the window's font", "Ctrl+=, Ctrl+=, Ctrl+=, show", "Show 5 | total , 0 right of 0, fonts 22 22 22");
        // clang-format on
    }
    void rounds()
    {
        QFETCH(QString, steps);
        QFETCH(QString, seen);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget *client = form.centralWidget();
        const auto text = [&](const char *name) {
            auto *label = form.findChild<QLabel *>(name);
            return label ? label->text() : QString();
        };
        const auto hidden = [&] { // faults: a rod label or the total shown, or told
            bool none = textBin(&form)->isHidden() && textBin(&form)->text().isEmpty();
            for (int rod = 0; rod < 15; ++rod)
                none &= rodLabel(&form, rod)->isHidden() &&
                        !QAccessible::queryAccessibleInterface(rodLabel(&form, rod))
                             ->text(QAccessible::Name)
                             .contains(QRegularExpression("\\d$"));
            return none;
        };
        QStringList trace;
        QMenu *menu = form.findChild<QMenu *>("Practice");
        for (const QString &step : steps.split(", ")) {
            const QString before = text("PracticeTask") + text("PracticeFeedback");
            if (const auto item = QStringList{"show", "read", "", "words", "stop"}.indexOf(step);
                item >= 0)
                menu->actions()[item]->trigger();
            else if (step.startsWith("rod"))
                clickBead(&form, step.section(' ', 1, 1).toInt(),
                          board::BeadKind(step.section(' ', 3).toInt() - 1));
            else if (step.startsWith("Ctrl"))
                QTest::keySequence(&form, QKeySequence(step));
            else if (step.startsWith("type"))
                form.findChild<QLineEdit *>("PracticeAnswer")->setText(step.section(' ', 1));
            else if (step == "Enter") // fault: Enter in the answer box not checking
                QTest::keyClick(form.findChild<QLineEdit *>("PracticeAnswer"), Qt::Key_Return);
            else
                press(&form, qPrintable(step));
            if (step == "PracticeCheck" || step == "PracticeShowMe" || step == "Enter")
                trace << (hidden() ? "hidden: " : "shown: ") + text("PracticeFeedback");
            else if (text("PracticeTask") + text("PracticeFeedback") != before)
                trace << text("PracticeTask");
        }
        trace << "total " + textBin(&form)->text() + ", " + text("PracticeScore");
        if (form.zoom() != 100)
            for (const char *button : {"PracticeCheck", "PracticeShowMe", "PracticeNext"})
                trace.last() +=
                    (trace.last().contains("fonts") ? " " : ", fonts ") +
                    QString::number(form.findChild<QWidget *>(button)->font().pixelSize());
        QCOMPARE(trace.join(" | "), seen);
        if (steps.endsWith("stop")) { // fault: the strip or its room left, the focus elsewhere
            QTRY_COMPARE(client->height(), 434);
            QCOMPARE(form.focusWidget()->objectName(), "ComView");
            QVERIFY(!hidden() && rodLabel(&form, 0)->isVisible());
        }
    }
};

QTEST_MAIN(TestPracticeMode)
#include "tst_practicemode.moc"
