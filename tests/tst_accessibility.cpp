// The listener plugin below is compiled into this program.
#define QT_STATICPLUGIN

#include "mainwin/form1.h"
#include "platform/imagecontrol.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtPlugin>

#include <memory>

namespace {

// Accessibility events as "source=text", for value and text changes, or "source".
QStringList *heard = nullptr;

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
        if (heard != nullptr)
            heard->append(entry);
    }
};

std::unique_ptr<Form1> shownForm()
{
    auto form = std::make_unique<Form1>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->show();
    return QTest::qWaitForWindowExposed(form.get()) ? std::move(form) : nullptr;
}

QAccessibleInterface *accessible(Form1 &form, const QString &name)
{
    return QAccessible::queryAccessibleInterface(form.findChild<QWidget *>(name));
}

// Clicks bead pictures through the window, 17 pixels below their top edges: on their bodies.
// Returns what assistive technology heard meanwhile.
QStringList clickBeads(Form1 &form, std::initializer_list<int> images)
{
    QStringList events;
    heard = &events;
    for (const int image : images) {
        auto *bead = form.findChild<QWidget *>(QStringLiteral("Image%1").arg(image));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          bead->mapTo(&form, QPoint(bead->width() / 2, 17)));
    }
    heard = nullptr;
    return events;
}

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
    // Rods are numbered from the left for people: rod 14 inside the program is Rod 1.
    void names_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("name");
        QTest::newRow("leftmost rod, lower bead 3") << "Image73"
                                                    << "Rod 1, lower bead 3";
        QTest::newRow("rightmost rod, bottom bead") << "Image1"
                                                    << "Rod 15, lower bead 1";
        QTest::newRow("middle rod, bead by the beam") << "Image40"
                                                      << "Rod 8, lower bead 5";
        QTest::newRow("leftmost rod, outer bead") << "Image104"
                                                  << "Rod 1, upper outer bead";
        QTest::newRow("rightmost rod, inner bead") << "Image77"
                                                   << "Rod 15, upper inner bead";
        QTest::newRow("leftmost rod's value") << "Label1(14)"
                                              << "Rod 1 value";
        QTest::newRow("button") << "ComHex"
                                << "HexaDecimal";
        QTest::newRow("base 10 mark") << "LabBase"
                                      << "Read-out in base 10";
        QTest::newRow("total") << "TextBin"
                               << "Total";
    }

    void names()
    {
        QFETCH(QString, object);
        QFETCH(QString, name);
        auto form = shownForm();
        QVERIFY(form);
        QCOMPARE(accessible(*form, object)->text(QAccessible::Name), name);
    }

    void everyControlHasItsOwnName()
    {
        auto form = shownForm();
        QVERIFY(form);
        QSet<QString> names;
        const auto controls = form->centralWidget()->findChildren<QWidget *>();
        for (QWidget *c : controls) {
            if (qobject_cast<platform::ImageControl *>(c) || qobject_cast<QLabel *>(c) ||
                qobject_cast<QPushButton *>(c) || qobject_cast<QLineEdit *>(c))
                names << QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
        }
        names.remove(QString());
        QCOMPARE(names.size(), board::ImageCount + board::RodCount + 6 + 2 + 1);
    }

    // Rod 15's lower bead 3 is clicked: it comes to the beam with the beads above it.
    void beadDescriptionFollowsTheGesture_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("description");
        QTest::newRow("the bead clicked") << 3 << "at the beam";
        QTest::newRow("the bead by the beam") << 5 << "at the beam";
        QTest::newRow("the bead below") << 2 << "at rest";
    }

    void beadDescriptionFollowsTheGesture()
    {
        QFETCH(int, image);
        QFETCH(QString, description);
        auto form = shownForm();
        QVERIFY(form);
        QAccessibleInterface *bead = accessible(*form, QStringLiteral("Image%1").arg(image));
        QCOMPARE(bead->text(QAccessible::Description), "at rest");
        clickBeads(*form, {3});
        QCOMPARE(bead->text(QAccessible::Description), description);
    }

    void gestureAnnouncesTheValuesThatChanged()
    {
        auto form = shownForm();
        QVERIFY(form);
        const QStringList events = clickBeads(*form, {3});
        QCOMPARE(events.filter(QLatin1String("=")), QStringList({"Label1(0)=3", "TextBin=3"}));
    }

    // Rod 1 is set to 7 while the answers are hidden: no text of its label tells, and no event
    // comes from a rod label, until the answers are shown again.
    void hiddenAnswersGiveNothingAway_data()
    {
        QTest::addColumn<QAccessible::Text>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("name") << QAccessible::Name << "Rod 1 value";
        QTest::newRow("description") << QAccessible::Description << "";
        QTest::newRow("value") << QAccessible::Value << "7";
        QTest::newRow("help") << QAccessible::Help << "";
    }

    void hiddenAnswersGiveNothingAway()
    {
        QFETCH(QAccessible::Text, text);
        QFETCH(QString, shown);
        auto form = shownForm();
        QVERIFY(form);
        form->ComHide_Click();
        const QStringList events = clickBeads(*form, {105, 74}); // rod 1: inner bead, bead 4
        auto *label = form->findChild<QLabel *>(QStringLiteral("Label1(14)"));
        QCOMPARE(label->text(), "7");
        QAccessibleInterface *readOut = QAccessible::queryAccessibleInterface(label);
        QVERIFY(!readOut->text(text).contains(u'7'));
        QVERIFY(!readOut->valueInterface() && !readOut->textInterface());
        QVERIFY(label->toolTip().isEmpty());
        QVERIFY(events.filter(QLatin1String("Label1(")).isEmpty());
        QVERIFY(events.contains(QStringLiteral("TextBin=7"))); // the listener was listening
        form->ComView_Click();
        QCOMPARE(readOut->text(text), shown);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
