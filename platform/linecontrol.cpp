#include "linecontrol.h"

#include "twips.h"

#include <QPainter>

namespace platform {

LineControl::LineControl(QPoint fromTwips, QPoint toTwips, int width, const QColor &colour,
                         QWidget *parent)
    : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a(pixels(fromTwips.x()), pixels(fromTwips.y()));
    const QPoint b(pixels(toTwips.x()), pixels(toTwips.y()));
    const int before = (width - 1) / 2;
    setGeometry(QRect(a, b).normalized().adjusted(-before, -before, width - 1 - before,
                                                  width - 1 - before));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace platform
