// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linecontrol.h"

#include "twips.h"

#include <QPainter>

namespace platform {

LineControl::LineControl(QPoint fromTwips, QPoint toTwips, int width, const QColor &colour,
                         QWidget *parent)
    : QWidget(parent), m_from(fromTwips), m_to(toTwips), m_width(width), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setZoom({});
}

void LineControl::setZoom(const Zoom &zoom)
{
    const auto at = [&zoom](QPoint twips) {
        return zoom.point({pixels(twips.x()), pixels(twips.y())});
    };
    const int width = zoom.length(m_width);
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
