// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "beadcontrol.h"

#include "countingframe.h"
#include "framelayout.h"
#include "spokennames.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>

namespace mainwin {

namespace {

// The focus ring runs along the inside of the bead's outline, where the picture's mask lets it
// be seen, in the window-text colour of the frame's lines.
constexpr int RingWidth = 2;

const QString ClickAction = QStringLiteral("click");

// Bead pictures are 32 x 32, stretched to the bead's square pixel for pixel (nearest neighbour)
// at every zoom, so their edges stay sharp. One picture of each size serves every window.
QPixmap beadPicture(board::Deck deck, int side)
{
    const QString path = deck == board::Deck::Lower ? QStringLiteral(":/assets/lowerbead.ico")
                                                    : QStringLiteral(":/assets/upperbead.ico");
    const QString key = path + QString::number(side);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(path).scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

// A bead: a button whose one action does what a click with the mouse does. Any bead can take
// the focus, though only one of them at a time is a tab stop. Its group is its rod's.
class BeadAccessible : public QAccessibleWidget
{
public:
    explicit BeadAccessible(BeadControl *bead) : QAccessibleWidget(bead, QAccessible::Button) {}

    QAccessibleInterface *parent() const override
    {
        const auto *bead = static_cast<const BeadControl *>(widget());
        QAccessibleInterface *group = CountingFrame::rodGroupOf(bead, bead->bead().rod);
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

QAccessibleInterface *beadAccessible(const QString &, QObject *object)
{
    auto *bead = qobject_cast<BeadControl *>(object);
    return bead ? new BeadAccessible(bead) : nullptr;
}

} // namespace

BeadControl::BeadControl(board::Bead bead, QWidget *parent) : ImageControl(parent), m_bead(bead)
{
    static const bool accessible = (QAccessible::installFactory(beadAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("Image%1").arg(board::numberOf(bead)));
    setTwipsGeometry(layout::beadLeft(bead.rod), layout::beadTop(bead.kind, m_place),
                     layout::BeadSize, layout::BeadSize);
    setPicture(beadPicture(board::deckOf(bead.kind), width()));
    setAccessibleName(spoken::beadName(m_bead, m_place));
}

void BeadControl::setPlace(board::Place place)
{
    m_place = place;
    setTop(layout::beadTop(m_bead.kind, place));
    setAccessibleName(spoken::beadName(m_bead, place));
}

void BeadControl::setZoom(const platform::Zoom &zoom)
{
    ImageControl::setZoom(zoom);
    setPicture(beadPicture(board::deckOf(m_bead.kind), width()));
}

void BeadControl::keyPressEvent(QKeyEvent *event)
{
    using enum board::Step;
    static constexpr std::pair<int, board::Step> Arrows[]{
        {Qt::Key_Left, Left}, {Qt::Key_Right, Right}, {Qt::Key_Up, Up}, {Qt::Key_Down, Down}};
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Enter || key == Qt::Key_Return) {
        // A key held down moves the bead once, not back and forth.
        if (!event->isAutoRepeat())
            emit activated();
        return;
    }
    for (const auto &[arrow, step] : Arrows) {
        if (key == arrow) {
            emit stepped(step);
            return;
        }
    }
    ImageControl::keyPressEvent(event);
}

void BeadControl::focusInEvent(QFocusEvent *event)
{
    ImageControl::focusInEvent(event);
    emit focused();
}

void BeadControl::paintEvent(QPaintEvent *event)
{
    ImageControl::paintEvent(event);
    if (!hasFocus())
        return;
    const QRegion outline = mask().isEmpty() ? QRegion(rect()) : mask();
    QRegion inside = outline;
    const int ring = zoom().length(RingWidth);
    for (const QPoint shift :
         {QPoint(ring, 0), QPoint(-ring, 0), QPoint(0, ring), QPoint(0, -ring)})
        inside &= outline.translated(shift);
    QPainter painter(this);
    painter.setClipRegion(outline - inside);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace mainwin
