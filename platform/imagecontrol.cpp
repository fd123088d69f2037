// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    placeInParent();
}

void ImageControl::setZoom(const Zoom &zoom)
{
    m_zoom = zoom;
    placeInParent();
}

void ImageControl::placeInParent()
{
    setGeometry(
        m_zoom.rect(QRect(pixels(m_left), pixels(m_top), pixels(m_width), pixels(m_height))));
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent *)
{
    m_pressed = true;
    emit mouseDown();
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
