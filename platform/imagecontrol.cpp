#include "imagecontrol.h"

#include "twips.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (!picture.hasAlpha())
        clearMask();
    else
        setMask(picture.mask());
    update();
}

void ImageControl::setTwipsGeometry(int left, float top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    placeInParent();
}

void ImageControl::setTop(float twips)
{
    m_top = twips;
    move(x(), m_origin.y() + pixels(twips, m_zoom));
}

void ImageControl::setZoom(int percent, QPoint origin)
{
    m_zoom = percent;
    m_origin = origin;
    placeInParent();
}

void ImageControl::placeInParent()
{
    setGeometry(m_origin.x() + pixels(float(m_left), m_zoom), m_origin.y() + pixels(m_top, m_zoom),
                pixels(float(m_width), m_zoom), pixels(float(m_height), m_zoom));
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    const QPointF at = event->position() * TwipsPerPixel * 100 / m_zoom;
    emit mouseDown(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->buttons() != Qt::NoButton)
        return;
    m_pressed = false;
    if (isOverPicture(event->position().toPoint()))
        emit clicked();
}

bool ImageControl::isOverPicture(QPoint point) const
{
    return mask().isEmpty() ? rect().contains(point) : mask().contains(point);
}

} // namespace platform
