#pragma once

#include "board/board.h"
#include "platform/imagecontrol.h"

namespace mainwin {

// A bead's picture that the keyboard works as well as the mouse. Space, Enter and Return ask for
// what a click would do, the arrow keys for a step to a neighbouring bead; every other key goes
// on to the window (F1, F2, Alt with a letter). A click gives a bead no focus, so a bead that has
// the focus got it from the keyboard or from assistive technology, and it shows a ring.
class BeadControl : public platform::ImageControl
{
    Q_OBJECT

public:
    BeadControl(int image, QWidget *parent);
    int image() const { return m_image; }

signals:
    void activated();
    void stepped(board::Step step);
    void focused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_image;
};

} // namespace mainwin
