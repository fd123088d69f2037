// The listener plugin below is compiled into this program.
#define QT_STATICPLUGIN

#include "formdriver.h"
#include "mainwin/form1.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

using board::BeadKind;

namespace {

// Accessibility events as "source=text", for value and text changes, or "source".
QStringList heard;

// Without a screen reader, as here, Qt passes every accessibility event to the bridges (an
// update handler would only hear them once a screen reader has switched accessibility on).
class Listener : public QAccessibleBridge
{
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        QString entry = event->object()->objectName();
        if (event->type() == QAccessible::ValueChanged)
            entry += u'=' + static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        else if (event->type() == QAccessible::TextUpdated)
            entry += u'=' + static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
        heard.append(entry);
    }
};

constexpr auto accessible = &QAccessible::queryAccessibleInterface;

} // namespace

class ListenerPlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "tst_accessibility.json")

public:
    // Qt keeps the bridge for the life of the program and never deletes it.
    QAccessibleBridge *create(const QString &) override
    {
        static Listener listener;
        return &listener;
    }
};
Q_IMPORT_PLUGIN(ListenerPlugin)

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    // The row name is the name expected. Rods are numbered from the left for people: rod 14
    // inside the program is Rod 1.
    void names_data()
    {
        QTest::addColumn<QString>("object");
        QTest::newRow("Rod 1, lower bead 3") << "Image73";
        QTest::newRow("Rod 15, lower bead 1") << "Image1";
        QTest::newRow("Rod 8, lower bead 5") << "Image40";
        QTest::newRow("Rod 1, upper outer bead") << "Image104";
        QTest::newRow("Rod 15, upper inner bead") << "Image77";
        QTest::newRow("Rod 1 value") << "Label1(14)";
        QTest::newRow("HexaDecimal") << "ComHex";
        QTest::newRow("Read-out in base 10") << "LabBase";
        QTest::newRow("Total") << "TextBin";
    }
    void names()
    {
        QFETCH(QString, object);
        Form1 form;
        QCOMPARE(accessible(form.findChild<QWidget *>(object))->text(QAccessible::Name),
                 QLatin1String(QTest::currentDataTag()));
    }

    void everyControlHasItsOwnName()
    {
        constexpr int OtherControls = 6 + 2 + 1; // buttons, base marks, total
        Form1 form;
        QSet<QString> names;
        for (QWidget *control : form.centralWidget()->findChildren<QWidget *>())
            names << accessible(control)->text(QAccessible::Name);
        names.remove(QString());
        QCOMPARE(names.size(), board::ImageCount + board::RodCount + OtherControls);
    }

    // Rod 1 is set to 5, then 9. The beads tell where they stand; the rod's value is announced
    // only while the answers are shown, and while they are hidden nothing about the rod tells.
    void gesture_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("answers shown") << false;
        QTest::newRow("answers hidden") << true;
    }
    void gesture()
    {
        QFETCH(bool, hidden);
        constexpr int Rod1 = 14;
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (hidden)
            form.ComHide_Click();
        heard.clear();
        driver::clickBead(&form, Rod1, BeadKind::Inner);
        driver::clickBead(&form, Rod1, BeadKind::Lower2);
        for (const auto &[kind, place] : {std::pair{BeadKind::Inner, "at the beam"},
                                          {BeadKind::Outer, "at rest"},
                                          {BeadKind::Lower2, "at the beam"},
                                          {BeadKind::Lower5, "at the beam"},
                                          {BeadKind::Lower1, "at rest"}})
            QCOMPARE(accessible(driver::bead(&form, Rod1, kind))->text(QAccessible::Description),
                     QLatin1String(place));
        QStringList values = heard.filter(QLatin1String("="));
        values.removeDuplicates();
        QCOMPARE(values,
                 (hidden ? QStringList{"TextBin=5", "TextBin=9"}
                         : QStringList{"Label1(14)=5", "TextBin=5", "Label1(14)=9", "TextBin=9"}));
        QCOMPARE(heard.filter(QLatin1String("Label1(")).isEmpty(), hidden);
        QLabel *label = driver::rodLabel(&form, Rod1);
        QAccessibleInterface *readOut = accessible(label);
        for (const auto text :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            QVERIFY(!hidden || !readOut->text(text).contains(u'9'));
        QVERIFY(!hidden || (!readOut->valueInterface() && !readOut->textInterface() &&
                            label->toolTip().isEmpty()));
        form.ComView_Click();
        QCOMPARE(readOut->text(QAccessible::Value), "9");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
