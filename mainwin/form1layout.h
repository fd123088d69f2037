#pragma once

#include <array>

// The main window as it is designed: every control's place and size in twips, its caption,
// visibility at start and tab index. Form1 builds itself from these tables.
namespace mainwin::layout {

inline constexpr int ClientWidth = 9480;
inline constexpr int ClientHeight = 6510;
inline constexpr int BackColour[3] = {128, 64, 64};
inline constexpr const char *Caption = "Quillmere Version 1.05 - By Corwynne";

struct ControlDesign
{
    const char *name;
    int left;
    int top;
    int width;
    int height;
    const char *caption;
    bool visible;
    int tabIndex;
};

// Command buttons, in the system's button colours and the window's default font.
inline constexpr std::array<ControlDesign, 6> Buttons{{
    {"ComHide", 8040, 1080, 1095, 495, "&Hide Answers", true, 16},
    {"ComView", 8040, 1680, 1095, 495, "&View Answers", true, 15},
    {"ComHex", 8040, 2520, 1095, 495, "Hexa&Decimal", true, 19},
    {"ComBase", 8040, 2520, 1095, 495, "&Base 10", false, 20},
    {"ComReset", 8160, 3600, 855, 375, "&Reset", true, 17},
    {"ComExit", 8160, 4080, 855, 375, "&Exit", true, 18},
}};

// The base marks: Times New Roman 9.75 pt bold italic, on the window's colour.
inline constexpr std::array<ControlDesign, 2> BaseLabels{{
    {"LabBase", 8400, 4680, 735, 375, "Base 10", true, 23},
    {"LabHex", 8160, 4680, 1215, 255, "Hexadecimal", false, 22},
}};

// The total: MS Sans Serif 12 pt bold, at most eight characters.
inline constexpr ControlDesign TextBin{"TextBin", 8040, 5040, 1335, 375, "", true, 21};
inline constexpr int TextBinMaxLength = 8;

// Rod value labels Label1(r): MS Sans Serif 9.75 pt bold, under the wire of rod r.
constexpr int rodLabelLeft(int rod)
{
    return 7320 - 480 * rod;
}
inline constexpr int RodLabelTop = 5760;
inline constexpr int RodLabelWidth = 375;
inline constexpr int RodLabelHeight = 255;

// Fonts: family and size in points.
struct FontDesign
{
    const char *family;
    double points;
    bool bold;
    bool italic;
};
inline constexpr FontDesign DefaultFont{"MS Sans Serif", 8.25, false, false};
inline constexpr FontDesign RodLabelFont{"MS Sans Serif", 9.75, true, false};
inline constexpr FontDesign BaseLabelFont{"Times New Roman", 9.75, true, true};
inline constexpr FontDesign TextBinFont{"MS Sans Serif", 12, true, false};

// The frame and the beam, in the system's window-text colour, 5 pixels wide.
struct LineDesign
{
    const char *name;
    int x1;
    int y1;
    int x2;
    int y2;
};
inline constexpr int FrameLineWidth = 5;
inline constexpr std::array<LineDesign, 5> FrameLines{{
    {"Line3", 240, 360, 7920, 360},   // top edge
    {"Line1", 240, 360, 240, 5280},   // left edge
    {"Line2", 240, 5280, 7920, 5280}, // bottom edge
    {"Line4", 7920, 360, 7920, 5280}, // right edge
    {"Line5", 240, 2040, 7920, 2040}, // the beam
}};

// Rod wires Line6 .. Line20, silver, 2 pixels wide: rod r's wire is line 6 + r.
constexpr int rodWireX(int rod)
{
    return 7440 - 480 * rod;
}
inline constexpr int RodWireTop = 360;
inline constexpr int RodWireBottom = 5280;
inline constexpr int RodWireWidth = 2;
inline constexpr int RodWireColour[3] = {192, 192, 192};
inline constexpr int FirstRodWire = 6;

// Stacking order below the buttons and the text box, top-most first, as runs of controls: the
// object name pattern (%1 stands for the number) and the numbers from `first` to `last`.
struct StackRun
{
    const char *pattern;
    int first;
    int last;
};
inline constexpr std::array<StackRun, 12> Stacking{{
    {"Image%1", 105, 1},
    {"LabBase", 0, 0},
    {"LabHex", 0, 0},
    {"Line%1", 3, 3},
    {"Line%1", 1, 1},
    {"Line%1", 2, 2},
    {"Line%1", 4, 4},
    {"Line%1", 5, 5},
    {"Line%1", 15, 15},
    {"Label1(%1)", 14, 0},
    {"Line%1", 20, 16},
    {"Line%1", 14, 6},
}};

} // namespace mainwin::layout
