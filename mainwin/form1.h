// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace board {
class Board;
struct Bead;
} // namespace board
namespace mainwin {
class Aloud;
class ClientArea;
class CountingFrame;
class PracticeMode;
class WindowZoom;
} // namespace mainwin

// The main window: the counting frame, the read-out of its rod values and total, and the
// commands.
//
// The path of one click on a bead:
//  1. The mouse button goes down over the bead's picture. Its BeadControl, an ImageControl,
//     emits mouseDown, and CountingFrame::gesture runs with Gesture::Press.
//  2. platform::playSound plays "click.wav" and returns once it has been heard; the event loop does
//     not run meanwhile, so the release waits until this action is done. In quiet mode (Ctrl+M)
//     it returns at once.
//  3. board::Board::act applies the bead rule: it puts the beads it names at their places, writes
//     the deck's and the rod's new values, and returns the beads that moved. BeadControl::setPlace
//     moves each to its new top edge and renames it for assistive technology ("..., at rest").
//     A bead at the beam leaves for its rest place; a bead at rest stays where it is.
//  4. The frame emits acted(); Form1::beadActed calls BaseView, which writes the 15 rod values
//     into Label1(0..14) (RodLabel::setValue) and their sum into TextBin, in base 10.
//  5. A screen reader hears where the bead now stands and, unless the answers are hidden, the
//     rod's value (CountingFrame::spokenAfterAction, ClientArea::announce).
//  6. The button comes up. Only a picture that is still under the pointer, one that step 3 left
//     in place, emits clicked, and steps 2 to 5 run again with Gesture::Click: the bead and every
//     bead between it and the beam go to the beam.
// Space, Enter or Return on the bead with the focus, and the bead's accessible "click" action,
// take the same path: step 1 comes from BeadControl::activated instead of the mouse, and step 6
// follows if step 3 has left the bead where it stood.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // The default main window, the one that start-up shows and that New closes. defaultForm()
    // creates it when it is not loaded; loadedDefault() is null then.
    static Form1 *defaultForm();
    static Form1 *loadedDefault();

    // Opens a fresh main window at the centre of the screen; nothing keeps a reference to it.
    static void showFresh();

    // Shows this window at the centre of the screen.
    void showCentred();

    // Closes this window; it is destroyed once the running handler has returned.
    void unload();

    const board::Board &board() const;

    // The read-out.
    void BaseView();
    bool HexView();
    void ComBase_Click();
    void ComHex_Click();

    // The commands.
    void ComReset_Click();
    void New_Click();
    void ComHide_Click();
    void ComView_Click();
    void ComExit_Click();
    void Exit_Click();

    // The zoom of the window's content in percent (the classroom keys, WindowZoom).
    int zoom() const;

    // What practice (PracticeMode) works with: the frame, the client area, the zoom, the base
    // the read-out shows, the read-out written anew in a base, and the answers held back while a
    // task is open: the rod labels and the total hidden, and the buttons that would show them or
    // change the base off.
    mainwin::CountingFrame *frame() const { return m_frame; }
    mainwin::ClientArea *client() const { return m_client; }
    mainwin::WindowZoom *windowZoom() const { return m_zoom; }
    bool showsBase16() const;
    void showReadOut(bool base16);
    void setTaskOpen(bool open);

private:
    void buildReadOut();
    void buildMenu();
    void addClassroomKeys();
    void nameControls();

    void beadActed(board::Bead bead, bool changed);
    void setAnswersVisible(bool visible);
    void writeRodValues(bool base16);
    void showBase16(bool base16);
    // Writes the total's text, or nothing while a task is open.
    void setTotalText(const QString &text);

    mainwin::ClientArea *m_client = nullptr;
    mainwin::CountingFrame *m_frame = nullptr;
    std::int32_t m_TextValue = 0;
    mainwin::WindowZoom *m_zoom = nullptr;
    mainwin::PracticeMode *m_practice = nullptr;
    mainwin::Aloud *m_aloud = nullptr;
    bool m_taskOpen = false;

    QLineEdit *m_TextBin = nullptr;
    QLabel *m_LabBase = nullptr;
    QLabel *m_LabHex = nullptr;
    QPushButton *m_ComHide = nullptr;
    QPushButton *m_ComView = nullptr;
    QPushButton *m_ComHex = nullptr;
    QPushButton *m_ComBase = nullptr;
    QPushButton *m_ComReset = nullptr;
    QPushButton *m_ComExit = nullptr;
};
