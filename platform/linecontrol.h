// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windowdesign.h"

#include <QWidget>

namespace platform {

// A horizontal or vertical line between two points given in twips, drawn `width` pixels thick
// and centred on those points. It takes no mouse input: presses go to what lies below it.
class LineControl : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    LineControl(QPoint fromTwips, QPoint toTwips, int width, const QColor &colour,
                QWidget *parent = nullptr);

    // Shows the line at its twips ends and width times the zoom.
    void setZoom(const Zoom &zoom) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_width;
    QColor m_colour;
};

} // namespace platform
