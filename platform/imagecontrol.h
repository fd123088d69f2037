// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windowdesign.h"

#include <QPixmap>
#include <QWidget>

namespace platform {

// A picture stretched over its rectangle that reports a press and a click.
//
// The press comes when a mouse button goes down over the picture's opaque pixels; presses on
// the transparent margin go to whatever lies below. The click comes when the last button is
// released over the picture, judged where the control stands after the press was handled: a
// control that the press moved away from under the pointer gets no click.
class ImageControl : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget *parent = nullptr);

    // The picture is scaled to the control's size; its transparent pixels let the mouse through.
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

    // Left edge and size in twips; the top edge in twips as a single-precision number.
    void setTwipsGeometry(int left, float top, int width, int height);
    float top() const { return m_top; }
    void setTop(float twips);

    // Shows the control at its twips geometry times the zoom. The picture is the caller's to scale.
    void setZoom(const Zoom &zoom) override;
    const Zoom &zoom() const { return m_zoom; }

signals:
    // Any mouse button went down over the picture.
    void mouseDown();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isOverPicture(QPoint point) const;
    void placeInParent();

    QPixmap m_picture;
    int m_left = 0;
    float m_top = 0;
    int m_width = 0;
    int m_height = 0;
    Zoom m_zoom;
    bool m_pressed = false;
};

} // namespace platform
