// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countingframe.h"

#include "beadcontrol.h"
#include "framelayout.h"
#include "platform/linecontrol.h"
#include "platform/sound.h"
#include "rodlabel.h"
#include "spokennames.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWindow>

namespace mainwin {

namespace {

const QString ClickSound = QStringLiteral("click.wav");

// The frame's tab stop at first: the lower bead next to the beam on the leftmost rod.
constexpr board::Bead FirstTabStop{board::RodCount - 1, board::BeadKind::Lower5};

int indexOf(board::Bead bead)
{
    return board::numberOf(bead) - 1;
}

// A rod as assistive technology finds it, an object with no widget: a group named "Rod 3" with
// the rod's beads from the top of the frame down and then its value label. Its parent is the
// window's client area, where the groups stand in the place of the frame.
class RodGroup : public QAccessibleInterface
{
public:
    RodGroup(const CountingFrame &frame, int rod) : m_frame(frame), m_rod(rod) {}

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_frame.window()->windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_frame.parentWidget());
    }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QWidget *member = index == board::BeadKindCount
                              ? static_cast<QWidget *>(m_frame.rodLabel(m_rod))
                              : m_frame.bead({m_rod, board::TopToBottom[index]});
        return QAccessible::queryAccessibleInterface(member);
    }
    int childCount() const override { return board::BeadKindCount + 1; }
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
        return kind == QAccessible::Name ? spoken::rodName(m_rod) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        QRect united;
        for (int index = 0; index < childCount(); ++index)
            united |= child(index)->rect();
        return united;
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override { return {}; }

private:
    const CountingFrame &m_frame;
    int m_rod;
};

} // namespace

CountingFrame::CountingFrame(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frame"));
    setGeometry(platform::twipsRect(0, 0, layout::FrameWidth, layout::FrameHeight));

    // Created from the bottom of the stack up: the rod wires, the rod labels, the frame and the
    // beam above the wires, and the beads above all, a higher-numbered bead above a lower.
    for (int rod = 0; rod < board::RodCount; ++rod) {
        const int x = layout::rodWireX(rod);
        auto *wire = new platform::LineControl(
            {x, layout::RodWireTop}, {x, layout::RodWireBottom}, layout::RodWireWidth,
            QColor(layout::RodWireColour[0], layout::RodWireColour[1], layout::RodWireColour[2]),
            this);
        wire->setObjectName(QStringLiteral("Line%1").arg(layout::FirstRodWire + rod));
    }
    for (int rod = 0; rod < board::RodCount; ++rod)
        m_labels[rod] = new RodLabel(rod, this);
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (const layout::LineDesign &line : layout::FrameLines) {
        auto *control = new platform::LineControl({line.x1, line.y1}, {line.x2, line.y2},
                                                  layout::FrameLineWidth, windowText, this);
        control->setObjectName(QStringLiteral("Line%1").arg(line.number));
    }
    const auto addBead = [this](board::Bead bead) {
        auto *control = new BeadControl(bead, this);
        connect(control, &platform::ImageControl::mouseDown, this,
                [this, bead] { gesture(bead, board::Gesture::Press); });
        connect(control, &platform::ImageControl::clicked, this,
                [this, bead] { gesture(bead, board::Gesture::Click); });
        connect(control, &BeadControl::activated, this, [this, bead] { clickBead(bead); });
        connect(control, &BeadControl::focused, this, [this, control] { setTabStop(control); });
        connect(control, &BeadControl::stepped, this, [this, bead](board::Step step) {
            this->bead(board::neighbour(bead, step))->setFocus(Qt::OtherFocusReason);
        });
        m_beads[indexOf(bead)] = control;
    };
    // In the order of their numbers: the lower beads rod by rod, then the upper beads.
    for (int rod = 0; rod < board::RodCount; ++rod) {
        for (int k = 0; k < board::LowerBeadCount; ++k)
            addBead({rod, board::BeadKind(k)});
    }
    for (int rod = 0; rod < board::RodCount; ++rod) {
        addBead({rod, board::BeadKind::Outer});
        addBead({rod, board::BeadKind::Inner});
    }
    setTabStop(this->bead(FirstTabStop));

    for (int rod = 0; rod < board::RodCount; ++rod)
        m_rodGroups[rod] = QAccessible::registerAccessibleInterface(new RodGroup(*this, rod));
}

CountingFrame::~CountingFrame()
{
    for (QAccessible::Id id : m_rodGroups)
        QAccessible::deleteAccessibleInterface(id);
}

BeadControl *CountingFrame::bead(board::Bead bead) const
{
    return m_beads[indexOf(bead)];
}

QAccessibleInterface *CountingFrame::rodGroup(int rod) const
{
    return QAccessible::accessibleInterface(m_rodGroups[rod]);
}

QAccessibleInterface *CountingFrame::rodGroupOf(const QWidget *member, int rod)
{
    const auto *frame = qobject_cast<const CountingFrame *>(member->parentWidget());
    return frame ? frame->rodGroup(rod) : nullptr;
}

void CountingFrame::setTabOrderAfter(QWidget *previous)
{
    m_beforeTabStop = previous;
    setTabOrder(previous, m_tabStop);
}

void CountingFrame::setTabStop(BeadControl *bead)
{
    if (m_tabStop)
        m_tabStop->setFocusPolicy(Qt::NoFocus);
    m_tabStop = bead;
    bead->setFocusPolicy(Qt::TabFocus);
    if (m_beforeTabStop)
        setTabOrder(m_beforeTabStop, bead);
}

void CountingFrame::setBoard(const std::vector<board::Bead> &clicks)
{
    m_board = board::Board();
    for (const board::Bead bead : clicks) {
        m_board.act(bead, board::Gesture::Press);
        m_board.act(bead, board::Gesture::Click);
    }
    for (BeadControl *bead : m_beads) {
        if (bead->place() != m_board.place(bead->bead()))
            bead->setPlace(m_board.place(bead->bead()));
    }
}

bool CountingFrame::answersVisible() const
{
    return !m_labels[0]->isHidden(); // the labels are shown and hidden together
}

void CountingFrame::setAnswersVisible(bool visible)
{
    for (RodLabel *label : m_labels)
        label->setShown(visible);
}

QString CountingFrame::spokenAfterAction(board::Bead bead) const
{
    const RodLabel *label = m_labels[bead.rod];
    const QString value = label->shownValue();
    return spoken::afterAction(spoken::beadName(bead, m_board.place(bead)),
                               value.isEmpty() ? value
                                               : spoken::withValue(label->accessibleName(), value));
}

void CountingFrame::setZoom(const platform::Zoom &zoom)
{
    setGeometry(zoom.rect(platform::twipsRect(0, 0, layout::FrameWidth, layout::FrameHeight)));
    platform::setZoom(this, zoom.inside());
}

void CountingFrame::gesture(board::Bead bead, board::Gesture gesture)
{
    platform::playSound(ClickSound);
    const std::int16_t rodValue = m_board.RodValue(bead.rod);
    const board::Moves moves = m_board.act(bead, gesture);
    for (const board::BeadMove &move : moves)
        this->bead(move.bead)->setPlace(move.place);
    emit acted(bead, moves.contains(bead) || m_board.RodValue(bead.rod) != rodValue);
}

void CountingFrame::clickBead(board::Bead bead)
{
    const board::Place before = m_board.place(bead);
    gesture(bead, board::Gesture::Press);
    if (m_board.place(bead) == before)
        gesture(bead, board::Gesture::Click);
}

} // namespace mainwin
