#pragma once

#include "fonts.h"
#include "twips.h"

#include <QWidget>

class QLabel;
class QPushButton;

// A window as it is designed: its controls, each described by one record, and its place at the
// centre of the screen.
namespace platform {

// A control of any window: name, place and size in twips within its container, caption, font and
// visibility at start; labels also have an alignment and may be sized to their caption.
struct ControlDesign
{
    const char *name;
    int left;
    int top;
    int width;
    int height;
    const char *caption = "";
    FontDesign font = WindowFont;
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool sizedToText = false;
};

// Gives a control its design's object name, place, size and visibility; returns the control.
template <typename Control> Control *place(Control *control, const ControlDesign &design)
{
    control->setObjectName(QLatin1String(design.name));
    control->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    control->setVisible(design.visible);
    return control;
}

// A caption too large for its control is drawn in a smaller size of the same font, a pixel at a
// time, until it fits: a button's within the room its style leaves for a label, a label's, as its
// size hint measures it, within `room`. A caption that fits keeps the font it has. Translated
// captions may be longer than the designed ones, or written in a script whose lines are taller,
// and the controls keep their designed places and sizes.
void fitCaption(QPushButton *button);
void fitCaption(QLabel *label, QSize room);

// Shows a window at the centre of its screen and makes it the active window.
void showCentred(QWidget *window);

} // namespace platform
