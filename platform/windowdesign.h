// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

// Makes `label` opaque and single-line, of fixed size, in its design's font, its caption at the
// top and aligned as designed, and places it with place() below; returns it.
QLabel *designLabel(QLabel *label, const ControlDesign &design);

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

// The text a caption shows: its mnemonic marks dropped, a doubled one shown as one.
QString withoutMnemonic(QString caption);
// A button's name for assistive technology: its caption without the mnemonic mark, or without the
// "(&H)" that follows a caption in a script with no such letter.
QString accessibleCaption(QString caption);

// A control that shows itself at a zoom from a design of its own: pictures, lines, and controls
// made of others.
class Zoomable
{
public:
    virtual void setZoom(const Zoom &zoom) = 0;

protected:
    ~Zoomable() = default;
};

// Shows every control on `container` at `zoom`: a Zoomable as it knows how; any other at its
// designed place and size times the zoom, its own font (if it has one) too. A control's design is
// the place and font it has at the first zoom, before which nothing else moves or sizes it.
void setZoom(QWidget *container, const Zoom &zoom);

// Shows a window at the centre of its screen and makes it the active window.
void showCentred(QWidget *window);

} // namespace platform
