// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"
#include "platform/windowdesign.h"

#include <QAccessible>
#include <QWidget>

#include <array>
#include <vector>

namespace platform {
class LineControl;
}

namespace mainwin {

class BeadControl;
class RodLabel;

// The counting frame of one main window: its board, the 105 bead pictures, the frame, the beam
// and the rod wires (Line1 .. Line20), and the labels under the rods. It stands at the window's
// top-left corner, below the buttons, and holds the frame's part of the window's design.
//
// It runs the bead gestures: a press or a click on a bead, from the mouse, or Space, Enter or
// Return on the bead with the focus, plays the click sound, applies the board's rule and moves
// the beads that it names; then acted() tells the window. The arrow keys move the focus among
// the beads, of which one at a time is a tab stop. To assistive technology the frame is fifteen
// groups, "Rod 1" to "Rod 15" from the left, each with its seven beads from the top down and its
// value label; the lines are left out.
class CountingFrame : public QWidget, public platform::Zoomable
{
    Q_OBJECT

public:
    explicit CountingFrame(QWidget *parent);
    ~CountingFrame() override;

    const board::Board &board() const { return m_board; }
    RodLabel *rodLabel(int rod) const { return m_labels[rod]; }
    BeadControl *bead(board::Bead bead) const;
    QAccessibleInterface *rodGroup(int rod) const;
    // The group of a bead or label of a counting frame; null for any other widget.
    static QAccessibleInterface *rodGroupOf(const QWidget *member, int rod);

    // Puts the frame's tab stop next after `previous` in the window's tab order.
    void setTabOrderAfter(QWidget *previous);

    // The bead that takes the focus when the frame is tabbed into.
    BeadControl *tabStop() const { return m_tabStop; }

    // A fresh board with every bead at rest, then the click of each bead of `clicks` in turn, as
    // a pupil would set them, silently and without acted().
    void setBoard(const std::vector<board::Bead> &clicks);

    // Shows or hides the rod labels.
    void setAnswersVisible(bool visible);
    bool answersVisible() const;

    // What a screen reader hears after an action on `bead`: where it now stands, and its rod's
    // value unless the answers are hidden.
    QString spokenAfterAction(board::Bead bead) const;

    void setZoom(const platform::Zoom &zoom) override;

signals:
    // After every bead action; `changed` when a bead moved or the rod's value changed.
    void acted(board::Bead bead, bool changed);

private:
    void gesture(board::Bead bead, board::Gesture gesture);
    // What a click does, for the keyboard and for assistive technology: the press action, then
    // the click action if the bead still stands where it stood.
    void clickBead(board::Bead bead);
    void setTabStop(BeadControl *bead);

    board::Board m_board;
    std::array<BeadControl *, board::BeadCount> m_beads{};
    std::array<RodLabel *, board::RodCount> m_labels{};
    std::array<QAccessible::Id, board::RodCount> m_rodGroups{};
    BeadControl *m_tabStop = nullptr;
    QWidget *m_beforeTabStop = nullptr;
};

} // namespace mainwin
