#include "linecontrol.h"

#include "twips.h"

#include <QPainter>

namespace platform {

LineControl::LineControl(QPoint fromTwips, QPoint toTwips, int width, const QColor &colour,
                         QWidget *parent)
    : QWidget(parent), m_from(fromTwips), m_to(toTwips), m_width(width), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setZoom(100, {});
}

void LineControl::setZoom(int percent, QPoint origin)
{
    const auto at = [percent, origin](QPoint twips) {
        return origin +
               QPoint(pixels(float(twips.x()), percent), pixels(float(twips.y()), percent));
    };
    const int width = qRound(float(m_width * percent) / 100);
    const int before = (width - 1) / 2;
    setGeometry(QRect(at(m_from), at(m_to))
                    .normalized()
                    .adjusted(-before, -before, width - 1 - before, width - 1 - before));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace platform
