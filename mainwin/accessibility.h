#pragma once

#include <QString>

#include <span>

class QLabel;
class QLineEdit;
class QPushButton;

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

// Names every bead, rod label, button, base mark and the text box, in that order, and describes
// where each bead stands.
void nameControls(const Controls &controls);

// Describes bead picture `image` (1..105) as "at the beam" or "at rest", from where it stands.
void describeBead(platform::ImageControl *bead, int image);

// Writes a rod's value into its label; a changed value that is not hidden is announced.
void showRodValue(QLabel *label, const QString &text);

} // namespace mainwin::accessibility
