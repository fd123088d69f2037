#pragma once

#include "board/board.h"

#include <QAccessible>
#include <QString>

#include <array>
#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform {
class ImageControl;
}

// What the main window tells assistive technology (screen readers and the like).
//
// Rods are numbered for people from the left: the leftmost rod, rod 14 inside the program, is
// "Rod 1" and the rightmost, rod 0, is "Rod 15". While the answers are hidden the rod labels
// give nothing of their values away: not in any text of their accessible objects and not in
// any event.
namespace mainwin::accessibility {

// The controls of a main window that have names for people.
struct Controls
{
    std::span<platform::ImageControl *const> beads; // Image1 .. Image105
    std::span<QLabel *const> rodLabels;             // Label1(0) .. Label1(14)
    std::span<QPushButton *const> buttons;
    QLabel *LabBase;
    QLabel *LabHex;
    QLineEdit *TextBin;
};

// Names every bead, from where it stands, every rod label, button, base mark and the text box.
void nameControls(const Controls &controls);

// Names bead picture `image` (1..105) from where it stands: "Rod 3, lower bead 2, at rest" or
// "..., at the beam".
void describeBead(platform::ImageControl *bead, int image);

// Writes a rod's value into its label, and shows or hides the label. Listeners hear of a
// changed value only while it is shown, and of the label's name, which tells the value only
// while it is shown, when it is shown or hidden.
void showRodValue(QLabel *label, const QString &text);
void showRodLabel(QLabel *label, bool shown);

// The counting frame of one main window as assistive technology finds it: the client area holds
// fifteen groups, "Rod 1" to "Rod 15" from the left, each with its seven beads from the top down
// and its value label; then the buttons, the base marks and the text box; then a notification
// that says what has just happened. The decorative lines are left out. The beads and labels are
// read from the window's arrays as they are filled. It must go before the controls do.
class Frame
{
public:
    using Beads = std::array<platform::ImageControl *, board::ImageCount>;
    using Labels = std::array<QLabel *, board::RodCount>;
    Frame(QWidget *client, const Beads &beads, const Labels &labels);
    ~Frame();
    Frame(const Frame &) = delete;
    Frame &operator=(const Frame &) = delete;

    // The frame of a client area; null for any other widget.
    static Frame *of(const QObject *client);

    QWidget *client() const { return m_client; }
    platform::ImageControl *bead(board::Bead bead) const;
    QLabel *label(int rod) const { return m_labels[rod]; }
    QAccessibleInterface *rod(int rod) const;
    QAccessibleInterface *announcer() const;

    // Has a listening screen reader say `message`, now: Qt has no announcement, but screen
    // readers speak a notification as it comes into view.
    void announce(const QString &message);

    // After a bead action: where the bead now stands, and the rod's value unless it is hidden.
    void announceBead(int image);

private:
    QWidget *m_client;
    const Beads &m_beads;
    const Labels &m_labels;
    std::array<QAccessible::Id, board::RodCount> m_rods{};
    QAccessible::Id m_announcer = 0;
};

} // namespace mainwin::accessibility
