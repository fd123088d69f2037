// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#define QT_STATICPLUGIN // the listener plugin below is compiled into this program
#include "formdriver.h"
#include "mainwin/form1.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>

using enum board::BeadKind;
constexpr auto accessible = &QAccessible::queryAccessibleInterface;
static QStringList heard; // the sources of accessibility events, with "=text" for new texts
static QStringList said;  // what the announcer, an object with no widget, says as it shows

// Qt hands the bridges every accessibility event, screen reader or not, and keeps them to the end.
class Listener : public QAccessibleBridgePlugin, public QAccessibleBridge
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "tst_accessibility.json")
    QAccessibleBridge *create(const QString &) override { return this; }
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        const auto *change = dynamic_cast<QAccessibleTextUpdateEvent *>(event);
        if (event->object())
            heard << event->object()->objectName() + (change ? "=" + change->textInserted() : "");
        else if (event->type() == QAccessible::ObjectShow)
            said << event->accessibleInterface()->text(QAccessible::Name);
    }
};
Q_IMPORT_PLUGIN(Listener)

static QString childNames(QAccessibleInterface *parent) // between bars
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i)
        names << parent->child(i)->text(QAccessible::Name);
    return names.join('|');
}
class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    // Each control has its own name (105 beads, 15 rod values, 6 buttons, 2 base marks, total);
    // the tree below checks what they say.
    void names()
    {
        Form1 form;
        QSet<QString> names{QString()};
        for (QWidget *control : form.centralWidget()->findChildren<QWidget *>())
            names << accessible(control)->text(QAccessible::Name);
        QCOMPARE(names.size(), 1 + 129);
    }
    // The tree: rods in the program's right-to-left order, a line left in, a bead in another rod's
    // group or out of its place from the top down; a bead not focusable or without its action.
    void tree()
    {
        Form1 form;
        QAccessibleInterface *client = accessible(form.centralWidget()), *rod3 = client->child(2);
        QCOMPARE(childNames(client).section('|', 13), // after the rods, the others from the top
                 "Rod 14|Rod 15|Hide Answers|View Answers|HexaDecimal|Base 10|Reset|Exit|Read-out "
                 "in base 16|Read-out in base 10|Total|");
        QCOMPARE(childNames(rod3),
                 "Rod 3, upper outer bead, at rest|Rod 3, upper inner bead, at rest|Rod 3, lower "
                 "bead 5, at rest|Rod 3, lower bead 4, at rest|Rod 3, lower bead 3, at rest|Rod 3, "
                 "lower bead 2, at rest|Rod 3, lower bead 1, at rest|Rod 3 value 0");
        QAccessibleInterface *bead = accessible(driver::bead(&form, 12, Lower2));
        QCOMPARE(bead->parent(), rod3);
        QCOMPARE(rod3->indexOfChild(bead), 5);
        QCOMPARE(bead->actionInterface()->actionNames(), QStringList({"click", "SetFocus"}));
        QVERIFY(bead->state().focusable);
    }
    // What is heard of Rod 1's value label (rod 14 inside): its events, name, description (or
    // tool tip), value, help and text; where its beads stand; what is announced. Faults: a move,
    // value or command not heard; while answers are hidden, anything that tells the value.
    void rodValueTellsOnlyWhileShown()
    {
        Form1 form;
        form.show(), heard.clear(); // from here on
        QAccessibleInterface *rod = accessible(driver::rodLabel(&form, 14));
        const auto told = [&] {
            QStringList texts{heard.filter("Label1(14)").join(", ")};
            for (const auto text : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                                    QAccessible::Help})
                texts << rod->text(text);
            texts << (rod->textInterface() ? rod->textInterface()->text(0, 2) : QString());
            for (board::BeadKind kind : {Inner, Outer, Lower1})
                texts << accessible(driver::bead(&form, 14, kind))->text(QAccessible::Name);
            texts << said.join(" | ");
            heard.clear(), said.clear();
            texts.removeAll(QString());
            return texts.join("; ").replace("Rod 1, ", "");
        };
        form.ComHide_Click();
        QCOMPARE(told(), "Label1(14), Label1(14); Rod 1 value; upper inner bead, at rest; upper "
                         "outer bead, at rest; lower bead 1, at rest; Answers hidden");
        driver::clickBead(&form, 14, Inner);
        QCOMPARE(told(), "Rod 1 value; upper inner bead, at the beam; upper outer bead, at rest; "
                         "lower bead 1, at rest; upper inner bead, at the beam");
        form.ComView_Click();
        QCOMPARE(told(), "Label1(14), Label1(14); Rod 1 value 5; 5; 5; upper inner bead, at the "
                         "beam; upper outer bead, at rest; lower bead 1, at rest; Answers shown");
        accessible(driver::bead(&form, 14, Lower1))->actionInterface()->doAction("click");
        form.ComHex_Click(), form.ComBase_Click();
        QCOMPARE(told(), "Label1(14), Label1(14)=10, Label1(14), Label1(14)=A, Label1(14), "
                         "Label1(14)=10; Rod 1 value 10; 10; 10; upper inner bead, at the beam; "
                         "upper outer bead, at rest; lower bead 1, at the beam; lower bead 1, at "
                         "the beam. Rod 1 value 10 | Read-out in base 16 | Read-out in base 10");
    }
};
QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
