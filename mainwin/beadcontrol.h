// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"
#include "platform/imagecontrol.h"

namespace mainwin {

// A bead's picture, Image1 .. Image105, standing at its rest place or at the beam. It names
// itself for assistive technology from where it stands ("Rod 3, lower bead 2, at rest"), and the
// keyboard works it as well as the mouse: Space, Enter and Return ask for what a click would do,
// the arrow keys for a step to a neighbouring bead; every other key goes on to the window (F1, F2,
// Alt with a letter). A click gives a bead no focus, so a bead that has the focus got it from the
// keyboard or from assistive technology, and it shows a ring.
class BeadControl : public platform::ImageControl
{
    Q_OBJECT

public:
    BeadControl(board::Bead bead, QWidget *parent);
    board::Bead bead() const { return m_bead; }
    board::Place place() const { return m_place; }
    void setPlace(board::Place place);

    // Also draws the picture at the zoomed size, pixel for pixel.
    void setZoom(const platform::Zoom &zoom) override;

signals:
    void activated();
    void stepped(board::Step step);
    void focused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    board::Bead m_bead;
    board::Place m_place = board::Place::Rest;
};

} // namespace mainwin
