#include "accessibility.h"

#include "beadcontrol.h"
#include "platform/imagecontrol.h"
#include "platform/linecontrol.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QWindow>

#include <algorithm>

namespace mainwin::accessibility {

namespace {

// Marks the labels that hold a rod's value, with the rod's index.
constexpr const char *RodValueProperty = "quillmereRodValue";

constexpr int RodNumberForPeople = board::RodCount; // rod r is "Rod 15 - r"
const QString ClickAction = QStringLiteral("click");

QHash<const QObject *, Frame *> &frames()
{
    static QHash<const QObject *, Frame *> byClient;
    return byClient;
}

// What a screen reader hears belongs to the main window, and is translated with its texts.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

QString rodName(int rod)
{
    //: A rod of the counting frame, numbered from the left: Rod 1 to Rod 15.
    return Texts::tr("Rod %1").arg(RodNumberForPeople - rod);
}

QString beadName(const board::Bead &bead)
{
    switch (bead.kind) {
    case board::BeadKind::Outer:
        //: %1 is a rod ("Rod 3"). Of its two beads worth 5, the one farther from the beam.
        return Texts::tr("%1, upper outer bead").arg(rodName(bead.rod));
    case board::BeadKind::Inner:
        //: %1 is a rod ("Rod 3"). Of its two beads worth 5, the one next to the beam.
        return Texts::tr("%1, upper inner bead").arg(rodName(bead.rod));
    default:
        //: %1 is a rod ("Rod 3"); %2 numbers its five beads worth 1, from the bottom (1) up to
        //: the beam (5).
        return Texts::tr("%1, lower bead %2")
            .arg(rodName(bead.rod))
            .arg(static_cast<int>(bead.kind) + 1);
    }
}

// The group of a rod's bead or label, while its frame lasts.
QAccessibleInterface *groupOf(const QWidget *member, int rod)
{
    const Frame *frame = Frame::of(member->parentWidget());
    return frame ? frame->rod(rod) : nullptr;
}

// A bead: a button whose one action does what a click with the mouse does. Any bead can take
// the focus, though only one of them at a time is a tab stop.
class BeadAccessible : public QAccessibleWidget
{
public:
    explicit BeadAccessible(BeadControl *bead) : QAccessibleWidget(bead, QAccessible::Button) {}

    QAccessibleInterface *parent() const override
    {
        const auto *bead = static_cast<const BeadControl *>(widget());
        QAccessibleInterface *group = groupOf(bead, board::beadOfImage(bead->image()).rod);
        return group ? group : QAccessibleWidget::parent();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        return state;
    }
    QStringList actionNames() const override { return {ClickAction, setFocusAction()}; }
    void doAction(const QString &action) override
    {
        if (action == ClickAction)
            emit static_cast<BeadControl *>(widget())->activated();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A rod label: static text whose text is the rod's value while the label is shown, and which
// has no text while it is hidden. Its name tells the value too, as a label's does, but only while
// it is shown: "Rod 3 value 7", and "Rod 3 value" while hidden.
class RodValueAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit RodValueAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QAccessibleInterface *parent() const override
    {
        QAccessibleInterface *group =
            groupOf(widget(), widget()->property(RodValueProperty).toInt());
        return group ? group : QAccessibleWidget::parent();
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && !shown().isEmpty())
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && !shown().isEmpty())
            return widget()->accessibleName() + u' ' + shown();
        return kind == QAccessible::Value ? shown() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QString shown() const
    {
        const auto *label = static_cast<const QLabel *>(widget());
        return label->isHidden() ? QString() : label->text();
    }
};

// The client area: the rods as groups, then the controls that belong to no rod and are not
// lines, from the top down, then the announcer.
class ClientAccessible : public QAccessibleWidget
{
public:
    explicit ClientAccessible(QWidget *client) : QAccessibleWidget(client, QAccessible::Client) {}

    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int childCount() const override { return int(children().size()); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> children() const
    {
        const Frame *frame = Frame::of(widget());
        if (frame == nullptr)
            return {};
        QList<QWidget *> controls;
        for (QObject *object : widget()->children()) {
            if (object->isWidgetType() && !qobject_cast<BeadControl *>(object) &&
                !qobject_cast<platform::LineControl *>(object) &&
                !object->property(RodValueProperty).isValid())
                controls << static_cast<QWidget *>(object);
        }
        std::stable_sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QList<QAccessibleInterface *> children;
        for (int rod = board::RodCount - 1; rod >= 0; --rod)
            children << frame->rod(rod);
        for (QWidget *control : controls)
            children << QAccessible::queryAccessibleInterface(control);
        return children << frame->announcer();
    }
};

// An object that is no widget: the group of rod `rod`, with the rod's beads from the top of the
// frame down and its value label, or, for rod -1, the announcer: a notification, never seen,
// whose name is the last message.
class Part : public QAccessibleInterface
{
public:
    Part(const Frame &frame, int rod) : m_frame(frame), m_rod(rod) {}

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_frame.client()->window()->windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_frame.client());
    }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index == board::BeadKindCount)
            return QAccessible::queryAccessibleInterface(m_frame.label(m_rod));
        return QAccessible::queryAccessibleInterface(
            m_frame.bead({m_rod, board::TopToBottom[index]}));
    }
    int childCount() const override { return m_rod < 0 ? 0 : board::BeadKindCount + 1; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child)
                return index;
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index)->rect().contains(x, y))
                return child(index);
        }
        return nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return {};
        return m_rod < 0 ? message : rodName(m_rod);
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        QRect united;
        for (int index = 0; index < childCount(); ++index)
            united |= child(index)->rect();
        return united;
    }
    QAccessible::Role role() const override
    {
        return m_rod < 0 ? QAccessible::Notification : QAccessible::Grouping;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = m_rod < 0;
        return state;
    }

    QString message;

private:
    const Frame &m_frame;
    int m_rod;
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *bead = qobject_cast<BeadControl *>(object))
        return new BeadAccessible(bead);
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(RodValueProperty).isValid())
        return new RodValueAccessible(label);
    if (Frame::of(object))
        return new ClientAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// Drops the accessible object that a widget got before it was known to the factory: the next
// query makes the factory's.
template <typename Accessible> void renew(QObject *object)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    if (dynamic_cast<Accessible *>(accessible) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
}

void nameRodLabel(QLabel *label, int rod)
{
    //: The label under a rod ("Rod 3") that shows the rod's value; a screen reader hears the
    //: value after it: "Rod 3 value 7".
    label->setAccessibleName(Texts::tr("%1 value").arg(rodName(rod)));
    label->setProperty(RodValueProperty, rod);
    renew<RodValueAccessible>(label);
}

} // namespace

void nameControls(const Controls &controls)
{
    for (int image = 1; image <= board::ImageCount; ++image)
        describeBead(controls.beads[image - 1], image);
    for (int rod = 0; rod < board::RodCount; ++rod)
        nameRodLabel(controls.rodLabels[rod], rod);
    // A button's name is its caption without the mnemonic mark, or without the "(&H)" that
    // follows a caption in a script with no such letter.
    static const QRegularExpression mnemonic(QStringLiteral("\\s*\\(&\\w\\)$|&(?=.)"));
    for (QPushButton *button : controls.buttons)
        button->setAccessibleName(QString(button->text()).remove(mnemonic));
    // The base marks' captions do not say what they are, and "Base 10" is also the caption of a
    // button; the text box has no caption.
    controls.LabBase->setAccessibleName(Texts::tr("Read-out in base 10"));
    controls.LabHex->setAccessibleName(Texts::tr("Read-out in base 16"));
    //: The box that shows the sum of all the rods.
    controls.TextBin->setAccessibleName(Texts::tr("Total"));
}

void describeBead(platform::ImageControl *bead, int image)
{
    const board::Bead which = board::beadOfImage(image);
    const bool atBeam = bead->top() == board::topOf(which.kind, board::Place::Counted);
    const QString place = atBeam
                              //: Where a bead is: moved to the beam, so it counts.
                              ? Texts::tr("at the beam")
                              //: Where a bead is: away from the beam, so it does not count.
                              : Texts::tr("at rest");
    //: A bead, then where it is: "Rod 3, lower bead 2, at rest".
    const QString name = Texts::tr("%1, %2").arg(beadName(which), place);
    if (bead->accessibleName() != name)
        bead->setAccessibleName(name);
}

void showRodValue(QLabel *label, const QString &text)
{
    const QString before = label->text();
    if (before == text)
        return;
    label->setText(text);
    if (label->isHidden())
        return;
    QAccessibleEvent renamed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleTextUpdateEvent event(label, 0, before, text);
    QAccessible::updateAccessibility(&event);
}

void showRodLabel(QLabel *label, bool shown)
{
    label->setVisible(shown);
    QAccessibleEvent renamed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

Frame::Frame(QWidget *client, const Beads &beads, const Labels &labels)
    : m_client(client), m_beads(beads), m_labels(labels)
{
    QAccessible::installFactory(factory);
    frames().insert(client, this);
    renew<ClientAccessible>(client);
    for (int rod = 0; rod < board::RodCount; ++rod)
        m_rods[rod] = QAccessible::registerAccessibleInterface(new Part(*this, rod));
    m_announcer = QAccessible::registerAccessibleInterface(new Part(*this, -1));
}

Frame::~Frame()
{
    frames().remove(m_client);
    for (QAccessible::Id id : m_rods)
        QAccessible::deleteAccessibleInterface(id);
    QAccessible::deleteAccessibleInterface(m_announcer);
}

Frame *Frame::of(const QObject *client)
{
    return frames().value(client);
}

platform::ImageControl *Frame::bead(board::Bead bead) const
{
    return m_beads[board::imageOf(bead) - 1];
}

QAccessibleInterface *Frame::rod(int rod) const
{
    return QAccessible::accessibleInterface(m_rods[rod]);
}

QAccessibleInterface *Frame::announcer() const
{
    return QAccessible::accessibleInterface(m_announcer);
}

void Frame::announce(const QString &message)
{
    static_cast<Part *>(announcer())->message = message;
    QAccessibleEvent named(announcer(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(announcer(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Frame::announceBead(int image)
{
    const int rod = board::beadOfImage(image).rod;
    QString message = m_beads[image - 1]->accessibleName();
    if (!m_labels[rod]->isHidden())
        //: What a screen reader hears as a bead moves: the bead, then its rod's value:
        //: "Rod 2, lower bead 4, at the beam. Rod 2 value 2".
        message = Texts::tr("%1. %2").arg(message, m_labels[rod]->accessibleName() + u' ' +
                                                       m_labels[rod]->text());
    announce(message);
}

} // namespace mainwin::accessibility
