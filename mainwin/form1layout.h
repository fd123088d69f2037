// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/windowdesign.h"

#include <array>

// The main window as it is designed: every control's place and size in twips, its caption, font
// and visibility at start. Form1 builds itself from these records.
namespace mainwin::layout {

using platform::ControlDesign;
using platform::FontDesign;
using platform::WindowFont;

inline constexpr int ClientWidth = 9480;
inline constexpr int ClientHeight = 6510;
inline constexpr int BackColour[3] = {128, 64, 64};
//: The window title: "Quillmere" and "Corwynne" are names.
inline constexpr const char *Caption =
    QT_TRANSLATE_NOOP("Form1", "Quillmere Version 1.05 - By Corwynne");

// Fonts: family and size in points.
inline constexpr FontDesign DefaultFont{"MS Sans Serif", 8.25};
inline constexpr FontDesign BaseLabelFont{"Times New Roman", 9.75, true, true};
inline constexpr FontDesign TextBinFont{"MS Sans Serif", 12, true};

// The controls other than the bead images and lines, from top to bottom of the window: name,
// left, top, width, height, caption, font and visibility at start.
// The captions are marked for translation in the context of the window, Form1.
// clang-format off
struct ControlTable
{
    // Command buttons, in the system's button colours.
    //: Button: hides the value under every rod, so a pupil can check their own answer.
    ControlDesign ComHide{"ComHide", 8040, 1080, 1095, 495,
                          QT_TRANSLATE_NOOP("Form1", "&Hide Answers"), WindowFont, true};
    //: Button: shows the values under the rods again.
    ControlDesign ComView{"ComView", 8040, 1680, 1095, 495,
                          QT_TRANSLATE_NOOP("Form1", "&View Answers"), WindowFont, true};
    //: Button: shows the values and the total in base 16 (hexadecimal).
    ControlDesign ComHex{"ComHex", 8040, 2520, 1095, 495,
                         QT_TRANSLATE_NOOP("Form1", "Hexa&Decimal"), WindowFont, true};
    //: Button: shows the values and the total in base 10 again.
    ControlDesign ComBase{"ComBase", 8040, 2520, 1095, 495,
                          QT_TRANSLATE_NOOP("Form1", "&Base 10"), WindowFont, false};
    //: Button: puts every bead back, for a fresh counting frame.
    ControlDesign ComReset{"ComReset", 8160, 3600, 855, 375,
                           QT_TRANSLATE_NOOP("Form1", "&Reset"), WindowFont, true};
    //: Button: ends the program.
    ControlDesign ComExit{"ComExit", 8160, 4080, 855, 375,
                          QT_TRANSLATE_NOOP("Form1", "&Exit"), WindowFont, true};
    // The base marks, on the window's colour.
    //: Mark beside the total: the numbers are shown in base 10.
    ControlDesign LabBase{"LabBase", 8400, 4680, 735, 375,
                          QT_TRANSLATE_NOOP("Form1", "Base 10"), BaseLabelFont, true};
    //: Mark beside the total: the numbers are shown in base 16.
    ControlDesign LabHex{"LabHex", 8160, 4680, 1215, 255,
                         QT_TRANSLATE_NOOP("Form1", "Hexadecimal"), BaseLabelFont, false};
    // The total.
    ControlDesign TextBin{"TextBin", 8040, 5040, 1335, 375, "", TextBinFont, true};
};
// clang-format on
inline constexpr ControlTable Controls{};

// The total holds at most eight characters.
inline constexpr int TextBinMaxLength = 8;

} // namespace mainwin::layout
