// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// The counting frame's rules, free of any widget and of any screen measure: the 15 rods and
// their 105 beads, where each bead stands (at rest or at the beam), and what a press or a click
// on a bead does to the beads of its deck and to the rod's values.
namespace board {

inline constexpr int RodCount = 15;
inline constexpr int BeadCount = 105;
inline constexpr int LowerBeadCount = 5;

// The seven beads of a rod. Lower1 is the bottom bead and Lower5 the one next to the beam;
// Outer is the top bead of the upper deck and Inner the one next to the beam.
enum class BeadKind : std::uint8_t
{
    Lower1,
    Lower2,
    Lower3,
    Lower4,
    Lower5,
    Outer,
    Inner
};
inline constexpr int BeadKindCount = 7;

enum class Deck : std::uint8_t
{
    Lower,
    Upper
};
enum class Gesture : std::uint8_t
{
    Press,
    Click
};
// Where a bead stands: away from the beam, or pushed against it, where it counts.
enum class Place : std::uint8_t
{
    Rest,
    Counted
};

struct Bead
{
    int rod; // 0 is the rightmost rod, 14 the leftmost
    BeadKind kind;
    friend bool operator==(const Bead &, const Bead &) = default;
};

constexpr Deck deckOf(BeadKind kind)
{
    return kind >= BeadKind::Outer ? Deck::Upper : Deck::Lower;
}

// A rod's seven beads as they stand from the top of the frame to the bottom.
inline constexpr std::array<BeadKind, BeadKindCount> TopToBottom{
    BeadKind::Outer,  BeadKind::Inner,  BeadKind::Lower5, BeadKind::Lower4,
    BeadKind::Lower3, BeadKind::Lower2, BeadKind::Lower1};

// A step of the keyboard focus between beads: Left and Right to the same bead of the rod beside
// it as seen (rod 14 is the leftmost), Up and Down to the bead above or below it on its rod,
// across the beam. A step off the edge of the frame stays on the bead.
enum class Step : std::uint8_t
{
    Left,
    Right,
    Up,
    Down
};
Bead neighbour(Bead bead, Step step);

// Beads are numbered 1..105, as their pictures are named: lower bead k of rod r is 5r + k, the
// outer bead 76 + 2r and the inner bead 77 + 2r.
int numberOf(Bead bead);

// A bead that an action moved, and where it now stands.
struct BeadMove
{
    Bead bead;
    Place place;
    friend bool operator==(const BeadMove &, const BeadMove &) = default;
};

// The beads one action moved: at most the five beads of a lower deck.
class Moves
{
public:
    void add(BeadMove move) { m_items[m_count++] = move; }
    const BeadMove *begin() const { return m_items.data(); }
    const BeadMove *end() const { return m_items.data() + m_count; }
    bool contains(Bead bead) const;

private:
    std::array<BeadMove, LowerBeadCount> m_items{};
    int m_count = 0;
};

// One counting frame: where its beads stand and its rod values. The values are stored, never
// recomputed from where the beads stand: the bead actions are their only writers.
class Board
{
public:
    std::int16_t UpperValue(int rod) const { return m_upperValue.at(rod); }
    std::int16_t LowerValue(int rod) const { return m_lowerValue.at(rod); }
    std::int16_t RodValue(int rod) const { return m_rodValue.at(rod); }
    Place place(Bead bead) const;

    // The plain sum of the 15 rod values, 0..225.
    std::int32_t total() const;

    // Runs the press or click action of a bead: puts the beads that its rule names at their
    // places, writes the deck's and the rod's new values, and returns the beads that moved. A
    // press on a bead at rest moves nothing and keeps the deck's value, so the read-out never
    // shows a count that the beads do not show.
    Moves act(Bead bead, Gesture gesture);

private:
    std::array<std::array<Place, BeadKindCount>, RodCount> m_places{};
    std::array<std::int16_t, RodCount> m_upperValue{};
    std::array<std::int16_t, RodCount> m_lowerValue{};
    std::array<std::int16_t, RodCount> m_rodValue{};
};

} // namespace board
