#pragma once

#include "board/board.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class ImageControl;
class LineControl;
} // namespace platform
namespace mainwin::accessibility {
class Frame;
}

// The main window: the counting frame, the read-out of its rod values and total, and the
// commands.
//
// The path of one click on a bead:
//  1. The mouse button goes down over the bead's picture. Its ImageControl emits mouseDown and
//     beadGesture(image, Press) runs.
//  2. platform::playSound plays "click.wav" and returns once it has been heard; the event loop does
//     not run meanwhile, so the release waits until this action is done. In quiet mode (Ctrl+M)
//     it returns at once.
//  3. board::Board::act applies the bead rule: it writes the deck's and the rod's new values and
//     names the beads to move, which beadGesture moves by setting their pictures' top edges.
//     A bead at the beam leaves for its rest place; a bead at rest stays where it is.
//  4. BaseView writes the 15 rod values into Label1(0..14) and their sum into TextBin, in base 10.
//  5. The button comes up. Only a picture that is still under the pointer, one that step 3 left
//     in place, emits clicked, and steps 2 to 4 run again with Gesture::Click: the bead and every
//     bead between it and the beam go to the beam.
//  6. A screen reader hears where the bead now stands and, unless the answers are hidden, the
//     rod's value (accessibility::Frame::announceBead).
// Space, Enter or Return on the bead with the focus, and the bead's accessible "click" action,
// take the same path: step 1 comes from BeadControl::activated instead of the mouse, and step 5
// follows if step 3 has left the bead where it stood.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

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

    const board::Board &board() const { return m_board; }

    // The read-out.
    void BaseView();
    bool HexView();
    void ComBase_Click();
    void ComHex_Click();

    // The commands.
    void ComReset_Click();
    void New_Click(int index);
    void ComHide_Click();
    void ComView_Click();
    void ComExit_Click();
    void Exit_Click(int index);

    // The classroom keys: the zoom in percent of the window's content, one of ZoomSteps; full
    // screen; quiet mode for the whole program.
    static constexpr std::array<int, 7> ZoomSteps{100, 125, 150, 200, 250, 300, 400};
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    void zoomBy(int steps);
    void toggleFullScreen();

private:
    // Line1 .. Line20, the frame, the beam and the rod wires: line n is lines[n - 1].
    using Lines = std::array<platform::LineControl *, 20>;

    Lines buildFrame(QWidget *client);
    void buildBeads(QWidget *client);
    void buildReadOut(QWidget *client);
    void buildMenu();
    void applyStackingAndTabOrder(const Lines &lines,
                                  const std::array<QPushButton *, 6> &buttonsInTabOrder);

    void beadGesture(int image, board::Gesture gesture);
    // What a click on a bead does, for the keyboard and for assistive technology: the press
    // action, then the click action if the bead still stands where it stood.
    void clickBead(int image);
    // The bead that takes the focus when the frame is tabbed into; the other beads take none.
    void setTabStopBead(int image);
    void setAnswersVisible(bool visible);
    // The one writer of the rod labels; assistive technology hears of the values that change.
    void writeRodValues(bool base16);
    void showBase16(bool base16);
    void addClassroomKeys();
    // Places and sizes every control at `percent` of its design, moved by `origin`.
    void applyZoom(int percent, QPoint origin);

    board::Board m_board;
    int m_tabStopBead = 0;
    std::int32_t m_TextValue = 0;
    int m_zoom = 100;
    int m_windowedZoom = 100;
    bool m_fullScreen = false;
    QRect m_windowedGeometry;
    QAction *m_leaveFullScreen = nullptr;
    // The buttons, labels and text box: each one's place at 100 percent, and its font's size in
    // pixels when it has a font of its own (0 when it takes the window's).
    struct Designed
    {
        QWidget *control;
        QRect place;
        int fontPixels;
    };
    std::vector<Designed> m_designed;

    std::array<platform::ImageControl *, board::ImageCount> m_images{};
    std::array<QLabel *, board::RodCount> m_Label1{};
    QLineEdit *m_TextBin = nullptr;
    QLabel *m_LabBase = nullptr;
    QLabel *m_LabHex = nullptr;
    QPushButton *m_ComHide = nullptr;
    QPushButton *m_ComView = nullptr;
    QPushButton *m_ComHex = nullptr;
    QPushButton *m_ComBase = nullptr;
    QPushButton *m_ComReset = nullptr;
    QPushButton *m_ComExit = nullptr;
    // Speaks of the controls to assistive technology, so it goes before they do.
    std::unique_ptr<mainwin::accessibility::Frame> m_accessible;
};
