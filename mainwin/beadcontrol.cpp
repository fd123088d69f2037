#include "beadcontrol.h"

#include <QKeyEvent>
#include <QPainter>

namespace mainwin {

namespace {

// The focus ring runs along the inside of the bead's outline, where the picture's mask lets it
// be seen, in the window-text colour of the frame's lines.
constexpr int RingWidth = 2;

} // namespace

BeadControl::BeadControl(int image, QWidget *parent) : ImageControl(parent), m_image(image) {}

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
    const int ring = qRound(float(RingWidth * zoom()) / 100);
    for (const QPoint shift :
         {QPoint(ring, 0), QPoint(-ring, 0), QPoint(0, ring), QPoint(0, -ring)})
        inside &= outline.translated(shift);
    QPainter painter(this);
    painter.setClipRegion(outline - inside);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace mainwin
