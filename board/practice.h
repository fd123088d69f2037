// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

// Practice with the counting frame, free of any widget: tasks drawn at a level, the pupil's
// answers checked, and the score of one run. A rod holds 0 to 15 and the frame's total is the
// plain sum of its 15 rod values.
namespace board::practice {

enum class Exercise : std::uint8_t
{
    ShowNumber, // the task names a number; the pupil sets it on the frame, with any beads
    ReadFrame,  // the program sets a frame; the pupil types its total
};

// The largest number a task may have, by level; the last is every rod full.
inline constexpr std::array<int, 6> Levels{5, 10, 15, 30, 100, 225};

// The most rods that carry beads in a Read the Frame task at `level`: as few as the level needs,
// ceil(level / 15).
int rodsAtLevel(int level);

struct Task
{
    Exercise exercise = Exercise::ShowNumber;
    // The answer: the number to show, or the total of the frame to read (1 .. level).
    int number = 0;
    // Read the Frame: the value each rod is set to (0 on rods without beads); zeros otherwise.
    std::array<std::int16_t, RodCount> rodValues{};
    friend bool operator==(const Task &, const Task &) = default;
};

// The beads a pupil clicks, on a rod with every bead at rest, to set it to `value` (0..15): the
// upper bead that brings 5 or 10 (Inner for 5, Outer for 10), then the lower bead that brings the
// rest (Lower5 for 1 ... Lower1 for 5). Empty for 0.
std::vector<Bead> beadsForValue(int rod, int value);

// A number as the pupil typed it, in base 10 or 16: digits only (in base 16 either case),
// blanks before and after, leading zeros allowed, at most 8 digits (counting the zeros) and at
// most the largest int (7FFFFFFF); nothing for any other text.
std::optional<int> readAnswer(std::string_view typed, int base);

enum class Verdict : std::uint8_t
{
    Right,
    NeedsMore,  // Show a Number: the frame shows less than the number
    NeedsFewer, // Show a Number: the frame shows more
    NotYet,     // Read the Frame: a wrong or unreadable answer
};

// One run of practice: the task now open, the draws and the score. Nothing is kept.
class Practice
{
public:
    // The same seed gives the same tasks, on every computer with the same C++ library (the
    // standard leaves the workings of uniform_int_distribution to each library).
    explicit Practice(std::uint32_t seed);

    // A fresh task at `level` (one of Levels), never the task just done. A task left open counts
    // as done and not right.
    const Task &next(Exercise exercise, int level);
    const Task &task() const { return m_task; }
    // While a task is open the answers stay hidden: until it is checked right or shown.
    bool isOpen() const { return m_open; }

    // Checks the answer to the open task: the frame's total for Show a Number, the typed number
    // (nothing when it could not be read) for Read the Frame. A right answer ends the task. With
    // no task open it only judges the answer against the last task, and counts nothing.
    Verdict check(std::optional<int> answer);
    // How many checks of the open task were not right.
    int tries() const { return m_tries; }
    // After two tries that were not right, the pupil may be shown the answer.
    bool offersShowMe() const { return m_open && m_tries >= 2; }
    // Ends the open task, not right.
    void showMe();

    // Tasks done, and of those, right: "4 right of 5".
    int right() const { return m_right; }
    int done() const { return m_done; }

private:
    void finish(bool right);

    std::mt19937 m_random;
    Task m_task;
    bool m_open = false;
    int m_tries = 0;
    int m_right = 0;
    int m_done = 0;
};

} // namespace board::practice
