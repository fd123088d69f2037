#define QT_STATICPLUGIN // the listener plugin below is compiled into this program
#include "formdriver.h"
#include "mainwin/form1.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>

using enum board::BeadKind;
constexpr auto accessible = &QAccessible::queryAccessibleInterface;
static QStringList heard; // the sources of accessibility events, with "=value" for new values

// Qt hands the bridges every accessibility event, screen reader or not, and keeps them to the end.
class Listener : public QAccessibleBridgePlugin, public QAccessibleBridge
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "tst_accessibility.json")
    QAccessibleBridge *create(const QString &) override { return this; }
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        const auto *change = dynamic_cast<QAccessibleValueChangeEvent *>(event);
        heard << event->object()->objectName() + (change ? "=" + change->value().toString() : "");
    }
};
Q_IMPORT_PLUGIN(Listener)

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    // Each control has its own name (105 beads, 15 rod values, 6 buttons, 2 base marks, total).
    void names()
    {
        Form1 form;
        QSet<QString> names{QString()};
        for (QWidget *control : form.centralWidget()->findChildren<QWidget *>())
            names << accessible(control)->text(QAccessible::Name);
        QCOMPARE(names.size(), 1 + 129);
        QStringList some;
        for (const char *control : {"Image73", "Image1", "Image40", "Image104", "Image77",
                                    "Label1(14)", "ComHex", "LabBase", "TextBin"})
            some << accessible(form.findChild<QWidget *>(control))->text(QAccessible::Name);
        QCOMPARE(some.join(" | "),
                 "Rod 1, lower bead 3 | Rod 15, lower bead 1 | Rod 8, lower bead 5 | Rod 1, upper "
                 "outer bead | Rod 15, upper inner bead | Rod 1 value | HexaDecimal | Read-out in "
                 "base 10 | Total");
    }
    // What is heard of Rod 1's value label (rod 14 inside), its name, description (or tool tip),
    // value and help, and where its beads stand: while answers are hidden, nothing tells the value.
    void rodValueTellsOnlyWhileShown()
    {
        Form1 form;
        form.show();
        QAccessibleInterface *rod = accessible(driver::rodLabel(&form, 14));
        const auto told = [&] {
            QStringList texts{heard.filter("Label1(14)").join(", ")};
            for (const auto text : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                                    QAccessible::Help})
                texts << rod->text(text);
            for (board::BeadKind kind : {Inner, Outer, Lower1})
                texts << accessible(driver::bead(&form, 14, kind))->text(QAccessible::Description);
            heard.clear();
            texts.removeAll(QString());
            return texts.join("; ");
        };
        form.ComHide_Click();
        heard.clear();
        driver::clickBead(&form, 14, Inner);
        QCOMPARE(told(), "Rod 1 value; at the beam; at rest; at rest");
        form.ComView_Click();
        QCOMPARE(told(), "Label1(14); Rod 1 value; 5; at the beam; at rest; at rest");
        driver::clickBead(&form, 14, Lower1);
        QCOMPARE(told(), "Label1(14)=10; Rod 1 value; 10; at the beam; at rest; at the beam");
        QVERIFY(!rod->valueInterface() && !rod->textInterface());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
